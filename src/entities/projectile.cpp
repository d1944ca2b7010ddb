#include "entities/projectile.hpp"

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "engine/tick_source.hpp"
#include "entities/object_box.hpp"
#include "entities/timing.hpp"

namespace {

constexpr int spinChoices = 4;
constexpr float spinStep = 0.25f;
constexpr float spinOffset = 0.5f;
constexpr float spinRange = 4.0f;
constexpr float spinInsteadOfZero = 0.5f;
constexpr float spinDegreesPerFrame = 4.0f;
constexpr int growMs = 4000;
constexpr float startScale = 0.4f;
constexpr float grownScale = 1.0f - startScale;

}  // namespace

Projectile::Projectile(int x, int y) : bornAt(currentTicks())
{
    placeCentred(*this, x, y, sizePixels, EntityType::Item);
    meets = Meets::NoOne;
}

bool Projectile::collide(GameEngine* engine, Entity* other, Level* /*level*/)
{
    if (landed || other != nullptr) {
        return false;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    if (now > bornAt + graceMs) {
        landed = true;
        landedAt = now;
        return true;
    }
    return false;
}

void Projectile::drawSpin()
{
    const float drawn = spinRange * (spinStep * static_cast<float>(gameRand() % spinChoices) - spinOffset);
    spin = static_cast<int>(drawn) == 0 ? spinInsteadOfZero : drawn;
    velocityX = sideSpeedPerSpin * spin;
}

void Projectile::fly(GameEngine* engine, float pullPerSecond)
{
    const float dt = engine->timer->frameSeconds;
    velocityY += pullPerSecond * dt;
    position.x += velocityX * dt;
    position.y += velocityY * dt;
    if (landed && engine->timer->lastTicks > landedAt + landedLifeMs) {
        alive = false;
    }
}

ObjectSprite Projectile::itemSprite(const GameEngine* engine) const
{
    const auto now = static_cast<int>(engine->timer->lastTicks);
    ObjectSprite sprite;
    sprite.destination = screenBox(*this);
    sprite.angleDegrees = static_cast<float>(engine->timer->frameCount) * spinDegreesPerFrame * spin;
    sprite.scale = startScale + grownScale * elapsedFraction(now, bornAt, static_cast<int>(bornAt + growMs));
    return sprite;
}
