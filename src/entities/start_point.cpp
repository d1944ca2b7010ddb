#include "entities/start_point.hpp"

#include <GL/gl.h>
#include <cmath>

#include "engine/game_engine.hpp"
#include "graphics/sprite.hpp"

namespace {

constexpr int picture = 3;  // kuva4.png
constexpr float pulsePerMs = 0.00125f;
constexpr float swingPerMs = 0.0013f;
constexpr float swingCentreDegrees = 90.0f;
constexpr float swingDegrees = 180.0f;

}  // namespace

StartPoint::StartPoint(int x, int y)
{
    position.set(static_cast<float>(x), static_cast<float>(y), 0.0f);
    width = sizePixels;
    height = sizePixels;
    type = typeId(EntityType::StartPoint);
    solid = false;
}

void StartPoint::update(GameEngine* /*engine*/) {}

bool StartPoint::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

void StartPoint::draw(GameEngine* engine)
{
    if (!isOnScreen(static_cast<int>(position.x), static_cast<int>(position.y), static_cast<int>(width),
                    static_cast<int>(height))) {
        return;
    }
    const auto now = static_cast<float>(engine->timer->lastTicks);
    glColor4f(0.8f + 0.2f * std::sin(now * pulsePerMs), 0.8f, 0.6f, 1.0f);
    const float angle = swingCentreDegrees + swingDegrees * std::cos(now * swingPerMs);
    const Rect box{static_cast<int>(position.x - static_cast<float>(viewRect.x)),
                   static_cast<int>(position.y - static_cast<float>(viewRect.y)), static_cast<int>(width),
                   static_cast<int>(height)};
    drawSprite(box, engine->textures->kuva[picture], Rect{0, 0, 512, 512}, angle, 1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
