#include "entities/puff_effect.hpp"

#include <array>

#include "engine/game_engine.hpp"
#include "entities/timing.hpp"

namespace {

constexpr float unaimedRotation = 90.0f;
constexpr float degreesPerRadian = 57.29f;

// The top row of effect1.png runs from the right-hand cell to the left-hand one as the puff ages.
struct PuffCell {
    double untilFraction;  // of the lifetime, inclusive
    std::int32_t x;
};
constexpr std::array<PuffCell, 3> puffCells{{
    {0.4, 384},
    {0.6, 256},
    {0.8, 128},
}};
constexpr std::int32_t lastCellX = 0;
constexpr std::int32_t cellPixels = 128;

std::int32_t cellFor(double elapsedMs, double lifetime)
{
    for (const PuffCell& cell : puffCells) {
        if (elapsedMs <= cell.untilFraction * lifetime) {
            return cell.x;
        }
    }
    return lastCellX;
}

}  // namespace

void PuffEffect::start(Vector3 point, std::uint32_t now)
{
    begin(point, now, sizePixels, lifetimeMs);
    rotation = unaimedRotation;
}

void PuffEffect::startAimed(Vector3 point, std::uint32_t now, float angle)
{
    start(point, now);
    rotation = angle * degreesPerRadian;
}

EffectLook PuffEffect::look(GameEngine* engine)
{
    const double lifetime = endTime - startTime;
    EffectLook shown;
    shown.alpha = sinePulse(effectTime(), startTime, static_cast<int>(endTime), 1.0f);
    shown.texture = engine->textures->effect;
    shown.source = {cellFor(elapsed, lifetime), 0, cellPixels, cellPixels};
    shown.angleDegrees = rotation;
    return shown;
}
