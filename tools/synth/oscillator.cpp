// Square and saw are smoothed at their jumps (polyBLEP) so high notes do not fold back as hiss.
#include "oscillator.hpp"

#include <algorithm>
#include <cmath>

#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr double triangleStartPhase = 0.75;  // starts the triangle at zero, rising, like the sine
constexpr double narrowestPulse = 0.02;

// Correction for a unit jump at phase 0 of a naive waveform (two-sample polynomial band limiting).
double polyBlep(double phase, double increment)
{
    if (phase < increment) {
        const double x = phase / increment;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double x = (phase - 1.0) / increment;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double wrapped(double phase)
{
    return phase - std::floor(phase);
}

}  // namespace

Oscillator::Oscillator(Waveform w, double width, std::uint32_t seed)
    : wave(w), pulseWidth(std::clamp(width, narrowestPulse, 1.0 - narrowestPulse)), noiseState(seed | 1u)
{}

float Oscillator::noise()
{
    // xorshift32: the same seed renders the same hiss on every build.
    noiseState ^= noiseState << 13;
    noiseState ^= noiseState >> 17;
    noiseState ^= noiseState << 5;
    return static_cast<float>(noiseState / 2147483647.5 - 1.0);
}

float Oscillator::next(double increment)
{
    increment = std::clamp(increment, 0.0, 0.5);
    double value = 0.0;
    switch (wave) {
    case Waveform::Sine: value = std::sin(twoPi * phase); break;
    case Waveform::Triangle: value = 4.0 * std::abs(wrapped(phase + triangleStartPhase) - 0.5) - 1.0; break;
    case Waveform::Saw: value = 2.0 * phase - 1.0 - polyBlep(phase, increment); break;
    case Waveform::Square:
        value = (phase < pulseWidth ? 1.0 : -1.0) + polyBlep(phase, increment) -
                polyBlep(wrapped(phase - pulseWidth), increment);
        break;
    case Waveform::Noise: return noise();
    }
    phase = wrapped(phase + increment);
    return static_cast<float>(value);
}

}  // namespace synth
