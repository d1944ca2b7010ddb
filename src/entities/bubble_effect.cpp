#include "entities/bubble_effect.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/timing.hpp"

namespace {

constexpr double startRiseSpread = -300.0;
constexpr float pulseGain = 0.8f;
constexpr double liftPerSecond = 600.0;
constexpr double wobblePerMs = 0.01;
constexpr double wobbleCentre = 0.5;
constexpr double wobblePixels = 10.0;
constexpr float spinDegrees = 960.0f;
constexpr Rect bubbleCell{256, 128, 128, 128};

}  // namespace

void BubbleEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    baseX = static_cast<int>(position.x);
    velocityY = wholeSpeed(randomStep(10, 0.1) * startRiseSpread);
}

void BubbleEffect::move(double seconds)
{
    const float pulse = sinePulse(effectTime(), startTime, static_cast<int>(endTime), pulseGain);
    velocityY = wholeSpeed(velocityY - pulse * seconds * liftPerSecond);
    position.x = static_cast<float>(baseX + (wobbleCentre - std::sin(elapsed * wobblePerMs)) * wobblePixels);
    position.y = static_cast<float>(position.y + velocityY * seconds);
}

EffectLook BubbleEffect::look(GameEngine* engine)
{
    const float a = sinePulse(effectTime(), startTime, static_cast<int>(endTime), pulseGain);
    const float grey = (1.0f - a) * 0.5f + 0.2f;
    EffectLook shown;
    shown.red = grey;
    shown.green = grey;
    shown.blue = 0.7f * a + 0.15f;
    shown.alpha = a;
    shown.texture = engine->textures->effect;
    shown.source = bubbleCell;
    shown.angleDegrees = a * spinDegrees;
    return shown;
}
