// Resonant two-pole filter (trapezoidal state-variable form): stable under fast cutoff sweeps.
#pragma once

namespace synth {

enum class FilterKind { Lowpass, Highpass, Bandpass };

class StateVariableFilter {
public:
    StateVariableFilter(FilterKind kind, double resonance);

    float process(float input, double cutoffHz);

private:
    FilterKind kind;
    double damping;
    double state1 = 0.0;
    double state2 = 0.0;
};

}  // namespace synth
