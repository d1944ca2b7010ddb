#include "entities/thrower.hpp"

#include "engine/game_engine.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"
#include "entities/spawn.hpp"
#include "entities/thrown_item.hpp"

namespace {

constexpr float boxWidth = 75.0f;
constexpr float boxHeight = 50.0f;
constexpr int throwerSheet = 11;  // kuva11.png: walk cells in a column at x 0, items beside them
constexpr std::int32_t cellWidth = 256;
constexpr std::int32_t cellHeight = 170;
constexpr std::int32_t throwingRow = 2;
constexpr std::int32_t strideRow = 1;
constexpr std::int32_t passRow = 0;
constexpr std::uint32_t walkFrames = 30;  // two poses of 15 frames each
constexpr std::uint32_t strideFrames = 15;

}  // namespace

Thrower::Thrower(int x, int y)
{
    placeCorner(*this, x, y, boxWidth, boxHeight, EntityType::Thrower, false);
    meets = Meets::NoOne;
}

void Thrower::update(GameEngine* engine)
{
    const std::uint32_t now = engine->timer->lastTicks;
    if (cycleStart + cycleMs < now) {
        cycleStart = now;
        hasThrown = false;
        movingRight = !movingRight;
    } else if (!hasThrown && cycleStart + standMs < now) {
        throwItem(engine);
    }
    if (now >= cycleStart + standMs) {
        const float step = walkPixelsPerSecond * engine->timer->frameSeconds;
        position.x += movingRight ? step : -step;
    }
}

void Thrower::throwItem(GameEngine* engine)
{
    // The item leaves from the side the imp walks away from.
    const auto offset = static_cast<int>(width * (movingRight ? -0.5f : 0.5f));
    hasThrown = true;
    addToWorld(world, new ThrownItem(static_cast<int>(getCenterX() + static_cast<float>(offset)),
                                     static_cast<int>(getCenterY())));
    if (boxOnScreen(*this)) {
        engine->soundSystem->playSound(SoundEffect::Throw);
    }
}

bool Thrower::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

void Thrower::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    std::int32_t row = throwingRow;
    if (now >= cycleStart + standMs) {
        row = engine->timer->frameCount % walkFrames < strideFrames ? strideRow : passRow;
    }
    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, throwerSheet);
    // The sheet faces right; walking left shows it mirrored.
    sprite.source = movingRight ? Rect{0, row * cellHeight, cellWidth, cellHeight}
                                : Rect{cellWidth, row * cellHeight, -cellWidth, cellHeight};
    sprite.destination = screenBox(*this);
    drawObjectSprite(sprite);
}
