#include "entities/dust_effect.hpp"

#include "engine/game_engine.hpp"
#include "entities/timing.hpp"

namespace {

constexpr double baseSpeed = 30.0;
constexpr double gravityPerSecond = 350.0;
constexpr std::uint32_t fadeInMs = 250;
constexpr std::uint32_t fadeOutFromMs = 350;
constexpr float greyLevel = 0.6f;

}  // namespace

void DustEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    const Scatter thrown = scatter(baseSpeed);
    velocityX = thrown.velocityX;
    velocityY = thrown.velocityY;
}

void DustEffect::move(double seconds)
{
    velocityY = wholeSpeed(velocityY + gravityPerSecond * seconds);
    drift(velocityX, velocityY, seconds);
}

EffectLook DustEffect::look(GameEngine* engine)
{
    const int t = effectTime();
    const float alpha = elapsedFraction(t, startTime, static_cast<int>(startTime + fadeInMs)) -
                        elapsedFraction(t, startTime + fadeOutFromMs, static_cast<int>(endTime));
    return EffectLook::grey(greyLevel, alpha, engine->textures->flare, 0.0f);
}
