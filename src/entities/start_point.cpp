#include "entities/start_point.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"

namespace {

constexpr int sheet = 4;  // kuva4.png
constexpr float pulsePerMs = 0.00125f;
constexpr float swingPerMs = 0.0013f;
constexpr float swingCentreDegrees = 90.0f;
constexpr float swingDegrees = 180.0f;

}  // namespace

StartPoint::StartPoint(int x, int y)
{
    placeCorner(*this, x, y, sizePixels, sizePixels, EntityType::StartPoint, false);
    meets = Meets::NoOne;
}

void StartPoint::update(GameEngine* /*engine*/) {}

bool StartPoint::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

void StartPoint::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const auto now = static_cast<float>(engine->timer->lastTicks);
    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, sheet);
    sprite.destination = screenBox(*this);
    sprite.angleDegrees = swingCentreDegrees + swingDegrees * std::cos(now * swingPerMs);
    sprite.tint = Tint{0.8f + 0.2f * std::sin(now * pulsePerMs), 0.8f, 0.6f, 1.0f};
    drawObjectSprite(sprite);
}
