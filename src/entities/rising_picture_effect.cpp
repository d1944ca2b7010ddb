#include "entities/rising_picture_effect.hpp"

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "entities/timing.hpp"

namespace {

constexpr double slowestRise = 0.5;
constexpr double riseScale = 500.0;
constexpr int pictureCount = 10;
constexpr std::uint32_t fadeOutMs = 500;
constexpr float greyLevel = 0.6f;
constexpr float strongestAlpha = 0.7f;
constexpr float turnDegrees = 980.0f;

}  // namespace

void RisingPictureEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    riseSpeed = wholeSpeed((randomStep(100, 0.01) + slowestRise) * riseScale);
    picture = gameRand() % pictureCount;
}

void RisingPictureEffect::move(double seconds)
{
    position.y = static_cast<float>(position.y - seconds * riseSpeed);
}

EffectLook RisingPictureEffect::look(GameEngine* engine)
{
    const int t = effectTime();
    const float fadeOut = elapsedFraction(t, endTime - fadeOutMs, static_cast<int>(endTime));
    return EffectLook::grey(greyLevel, (1.0f - fadeOut) * strongestAlpha, kuvaPicture(*engine->textures, picture + 1),
                            elapsedFraction(t, startTime, static_cast<int>(endTime)) * turnDegrees);
}
