#include "entities/timing.hpp"

#include <cmath>

namespace {

// Not a more exact pi: the pulses were tuned with this one.
constexpr double pulsePi = 3.141592;

// The clock is unsigned, but the rules compare it as signed ints; widening keeps the difference exact.
std::int64_t signedStart(std::uint32_t start)
{
    return static_cast<std::int32_t>(start);
}

}  // namespace

float elapsedFraction(int now, std::uint32_t start, int end)
{
    const std::int64_t from = signedStart(start);
    if (now <= from) {
        return 0.0f;
    }
    if (now < end) {
        return static_cast<float>(now - from) / static_cast<float>(end - from);
    }
    return 1.0f;
}

float clampedFraction(float v, float lo, float hi)
{
    if (v <= lo) {
        return 0.0f;
    }
    if (v >= hi) {
        return 1.0f;
    }
    return (v - lo) / (hi - lo);
}

float sinePulse(int now, std::uint32_t start, int end, float gain)
{
    const std::int64_t from = signedStart(start);
    if (now <= from || now >= end) {
        return 0.0f;
    }
    const double p = std::sin(pulsePi * static_cast<double>(now - from) / static_cast<double>(end - from)) * gain;
    if (p < 0.0) {
        return 0.0f;
    }
    return p <= 1.0 ? static_cast<float>(p) : 1.0f;
}
