#include "entities/ember_effect.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/timing.hpp"

namespace {

constexpr double unaimedSpreadX = 200.0;
constexpr double unaimedSpreadY = 150.0;
constexpr double aimSpreadRadians = 0.7;
constexpr double aimedTopSpeed = 200.0;
constexpr double gravityPerSecond = 80.0;

constexpr int flareShortenMs = 400;
constexpr float flareGain = 0.7f;
constexpr int heatShortenMs = 800;
constexpr float heatGain = 0.5f;
constexpr std::uint32_t fadeFromMs = 1000;
constexpr std::uint32_t fadeOverrunMs = 150;
constexpr float againstTurnShare = 0.1f;  // of green and blue while flying against the turn: red
constexpr float baseRed = 0.5f;
constexpr float spinDegrees = 960.0f;
constexpr Rect emberCell{0, 128, 128, 128};

}  // namespace

void EmberEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    velocityX = wholeSpeed((randomStep(10, 0.1) - 0.5) * unaimedSpreadX);
    velocityY = wholeSpeed((randomStep(10, 0.1) - 0.5) * unaimedSpreadY);
    reversed = velocityY >= 1;
}

void EmberEffect::startAimed(Vector3 point, std::uint32_t now, float angle)
{
    start(point, now);
    const double heading = angle + aimSpreadRadians * (randomStep(15, 0.06666667) - 0.5);
    velocityX = wholeSpeed(randomStep(10, 0.1) * aimedTopSpeed * std::cos(heading));
    velocityY = wholeSpeed(randomStep(10, 0.1) * aimedTopSpeed * std::sin(heading));
}

void EmberEffect::move(double seconds)
{
    velocityY = wholeSpeed(velocityY + gravityPerSecond * seconds);
    drift(velocityX, velocityY, seconds);
}

EffectLook EmberEffect::look(GameEngine* engine)
{
    const int t = effectTime();
    const float flare = sinePulse(t, startTime, static_cast<int>(endTime - flareShortenMs), flareGain);
    const float heat = sinePulse(t, startTime, static_cast<int>(endTime - heatShortenMs), heatGain);
    const float fade = clampedFraction(static_cast<float>(t), static_cast<float>(startTime + fadeFromMs),
                                       static_cast<float>(endTime + fadeOverrunMs));
    const int turn = reversed ? -1 : 1;
    const float share = velocityX * turn < 0 ? againstTurnShare : 1.0f;
    EffectLook shown;
    shown.red = flare + baseRed;
    shown.green = share + heat;
    shown.blue = share * heat;
    shown.alpha = 1.0f - fade;
    shown.texture = engine->textures->effect;
    shown.source = emberCell;
    shown.angleDegrees = static_cast<float>(turn) * flare * spinDegrees;
    return shown;
}
