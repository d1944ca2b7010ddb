#include "entities/shard_effect.hpp"

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "entities/timing.hpp"

namespace {

constexpr double baseSpeed = 75.0;
constexpr int pictureCount = 10;
constexpr double spinPerRadian = 360.0;
constexpr float spinDecayPerDraw = 0.9f;
constexpr std::uint32_t fadeInMs = 200;
constexpr std::uint32_t fadeOutMs = 450;
constexpr float greyLevel = 0.6f;

}  // namespace

void ShardEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    const Scatter thrown = scatter(baseSpeed);
    picture = static_cast<std::int16_t>(gameRand() % pictureCount);
    spinSpeed = static_cast<float>(thrown.direction * spinPerRadian);
    // The direction's radians are taken as degrees: the starting turn hardly shows once the shard spins.
    rotation = static_cast<float>(thrown.direction);
    velocityX = thrown.velocityX;
    velocityY = thrown.velocityY;
}

void ShardEffect::move(double seconds)
{
    drift(velocityX, velocityY, seconds);
}

EffectLook ShardEffect::look(GameEngine* engine)
{
    const int t = effectTime();
    const float fadeIn = elapsedFraction(t, startTime, static_cast<int>(startTime + fadeInMs));
    const float fadeOut = elapsedFraction(t, endTime - fadeOutMs, static_cast<int>(endTime));
    rotation -= engine->timer->frameSeconds * spinSpeed;
    spinSpeed *= spinDecayPerDraw;
    return EffectLook::grey(greyLevel, fadeIn - fadeOut, kuvaPicture(*engine->textures, picture + 1), rotation);
}
