#include "entities/thrown_item.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "entities/object_box.hpp"
#include "entities/timing.hpp"

namespace {

constexpr int variantCount = 3;
constexpr float slowestThrow = -150.0f;
constexpr int throwSpread = 50;  // up to 49 px/s faster
constexpr int itemSheet = 11;    // kuva11.png, shared with the thrower
constexpr std::int32_t itemCellX = 340;
constexpr std::int32_t itemCellPixels = 170;
constexpr double tintRatePerMs = 0.00125;
constexpr double redSwing = 0.2;
constexpr Tint itemTint{0.8f, 0.8f, 0.6f, 1.0f};

}  // namespace

ThrownItem::ThrownItem(int x, int y) : Projectile(x, y)
{
    variant = static_cast<std::uint8_t>(gameRand() % variantCount);
    velocityY = slowestThrow - static_cast<float>(gameRand() % throwSpread);
    drawSpin();
}

void ThrownItem::update(GameEngine* engine)
{
    fly(engine, pullPerSecond);
}

void ThrownItem::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    ObjectSprite sprite = itemSprite(engine);
    sprite.texture = kuvaPicture(*engine->textures, itemSheet);
    sprite.source = Rect{itemCellX, variant * itemCellPixels, itemCellPixels, itemCellPixels};
    sprite.tint = itemTint;
    sprite.tint.red += static_cast<float>(redSwing * std::sin(now * tintRatePerMs));
    if (landed) {
        sprite.tint.alpha =
            1.0f - elapsedFraction(static_cast<int>(now), landedAt, static_cast<int>(landedAt + landedLifeMs));
    }
    drawObjectSprite(sprite);
}
