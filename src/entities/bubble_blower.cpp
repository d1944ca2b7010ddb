#include "entities/bubble_blower.hpp"

#include "engine/game_engine.hpp"
#include "entities/blown_bubble.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"
#include "entities/spawn.hpp"

namespace {

constexpr float boxWidth = 128.0f;
constexpr float beakDown = 25.0f;  // where the bubbles leave, below the top of the box
constexpr int blowerSheet = 12;    // kuva12.png, facing right
constexpr std::int32_t cellWidth = 128;
constexpr std::int32_t cellHeight = 256;
constexpr std::int32_t walkRow = 0;
constexpr std::int32_t stopRow = 1;
constexpr std::uint32_t walkCycleFrames = 28;  // four cells of 7 frames
constexpr std::uint32_t walkCellFrames = 7;
constexpr std::uint32_t idleCycleFrames = 12;  // two cells of 6 frames
constexpr std::uint32_t idleCellFrames = 6;
constexpr std::int32_t risingCell = 2;
constexpr std::int32_t rearedCell = 3;

}  // namespace

BubbleBlower::BubbleBlower(int x, int y)
{
    placeCorner(*this, x, y, boxWidth, standingHeight, EntityType::BubbleBlower, true);
    meets = Meets::NoOne;
    groundY = static_cast<int>(position.y);
}

void BubbleBlower::update(GameEngine* engine)
{
    const std::uint32_t now = engine->timer->lastTicks;
    if (now > cycleStart + cycleMs) {
        cycleStart = now;
        movingRight = !movingRight;
    }
    if (now >= cycleStart + walkFromMs) {
        const float step = walkPixelsPerSecond * engine->timer->frameSeconds;
        position.x += movingRight ? step : -step;
        return;
    }
    if (cycleStart + blowFromMs < now && now < cycleStart + blowUntilMs &&
        engine->timer->frameCount % blowEveryFrames == 0) {
        blow();
    }
}

void BubbleBlower::blow()
{
    auto* bubble = new BlownBubble(static_cast<int>(getCenterX()), static_cast<int>(getY() + beakDown));
    bubble->phase = movingRight ? BlownBubble::blowPixelsPerSecond : -BlownBubble::blowPixelsPerSecond;
    addToWorld(world, bubble);
}

bool BubbleBlower::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

void BubbleBlower::standAt(float newHeight)
{
    height = newHeight;
    position.y = static_cast<float>(groundY) + standingHeight - newHeight;
}

BubbleBlower::Phase BubbleBlower::phaseAt(std::uint32_t now) const
{
    if (now >= cycleStart + walkFromMs) {
        return Phase::Walking;
    }
    if (now < cycleStart + riseFromMs) {
        return Phase::Idle;
    }
    if (now < cycleStart + blowFromMs) {
        return Phase::Rising;
    }
    return now <= cycleStart + blowUntilMs ? Phase::Reared : Phase::Sinking;
}

void BubbleBlower::updateInView(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    switch (phaseAt(engine->timer->lastTicks)) {
    case Phase::Walking: standAt(standingHeight); break;
    case Phase::Idle: break;
    case Phase::Rising: standAt(risingHeight); break;
    case Phase::Reared: standAt(rearedHeight); break;
    // Shorter again, but still lifted as high as when reared up.
    case Phase::Sinking: height = risingHeight; break;
    }
}

Rect BubbleBlower::poseCell(std::uint32_t now, std::uint32_t frameCount) const
{
    std::int32_t row = stopRow;
    std::int32_t cell = risingCell;
    switch (phaseAt(now)) {
    case Phase::Walking:
        row = walkRow;
        cell = static_cast<std::int32_t>(frameCount % walkCycleFrames / walkCellFrames);
        break;
    case Phase::Idle: cell = static_cast<std::int32_t>(frameCount % idleCycleFrames / idleCellFrames); break;
    case Phase::Reared: cell = rearedCell; break;
    case Phase::Rising:
    case Phase::Sinking: break;
    }
    // The sheet faces right; facing left shows the cell mirrored.
    return movingRight ? Rect{cell * cellWidth, row * cellHeight, cellWidth, cellHeight}
                       : Rect{(cell + 1) * cellWidth, row * cellHeight, -cellWidth, cellHeight};
}

void BubbleBlower::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, blowerSheet);
    sprite.source = poseCell(engine->timer->lastTicks, engine->timer->frameCount);
    sprite.destination = screenBox(*this);
    drawObjectSprite(sprite);
}
