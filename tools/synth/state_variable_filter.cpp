// Cutoff is kept below Nyquist, where the tangent warp blows up.
#include "state_variable_filter.hpp"

#include <algorithm>
#include <cmath>

#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr double lowestCutoffHz = 10.0;
constexpr double highestCutoffHz = 0.45 * sampleRateHz;
constexpr double lowestResonance = 0.1;

}  // namespace

StateVariableFilter::StateVariableFilter(FilterKind k, double resonance)
    : kind(k), damping(1.0 / std::max(resonance, lowestResonance))
{}

float StateVariableFilter::process(float input, double cutoffHz)
{
    const double g = std::tan(pi * std::clamp(cutoffHz, lowestCutoffHz, highestCutoffHz) / sampleRateHz);
    const double a1 = 1.0 / (1.0 + g * (g + damping));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - state2;
    const double band = a1 * state1 + a2 * v3;
    const double low = state2 + a2 * state1 + a3 * v3;
    state1 = 2.0 * band - state1;
    state2 = 2.0 * low - state2;
    switch (kind) {
    case FilterKind::Lowpass: return static_cast<float>(low);
    case FilterKind::Bandpass: return static_cast<float>(band * damping);  // unity gain at the centre
    case FilterKind::Highpass: return static_cast<float>(input - damping * band - low);
    }
    return 0.0f;
}

}  // namespace synth
