#include "entities/bumper.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "engine/tick_source.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"

namespace {

// The picture sits inside the box, squashed by up to these pixels each way.
constexpr std::int32_t pictureInset = 15;
constexpr double squashPixels = 4.0;
constexpr double stretchPixels = 8.0;

}  // namespace

Bumper::Bumper(int x, int y) : Bumper(x, y, EntityType::Bumper, numbers) {}

Bumper::Bumper(int x, int y, EntityType kindType, const BumperNumbers& kindNumbers)
    : bornAt(currentTicks()), baseY(static_cast<float>(y)), tuning(kindNumbers)
{
    placeCorner(*this, x, y, sizePixels, sizePixels, kindType, true);
    meets = Meets::NoOne;
}

void Bumper::update(GameEngine* engine)
{
    // The birth time in ms doubles as the phase in radians, so bumpers placed together bob apart.
    const double phase = bornAt - engine->timer->lastTicks * tuning.bobRatePerMs;
    position.y = static_cast<float>(baseY + tuning.bobPixels * std::sin(phase));
}

bool Bumper::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

float Bumper::shownScale(const GameEngine* /*engine*/) const
{
    return 1.0f;
}

void Bumper::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    const Rect box = screenBox(*this);
    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, tuning.sheet);
    sprite.destination = Rect{
        box.x + pictureInset, box.y + pictureInset,
        static_cast<std::int32_t>(width - pictureInset - squashPixels * std::cos(bornAt - now * tuning.widthRatePerMs)),
        static_cast<std::int32_t>(stretchPixels * std::sin(bornAt - now * tuning.heightRatePerMs) + height -
                                  pictureInset)};
    sprite.scale = shownScale(engine);
    drawObjectSprite(sprite);
}
