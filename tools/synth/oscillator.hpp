// One band-limited oscillator (or a noise source) stepped one sample at a time.
#pragma once

#include <cstdint>

namespace synth {

enum class Waveform { Sine, Triangle, Square, Saw, Noise };

class Oscillator {
public:
    Oscillator(Waveform wave, double pulseWidth, std::uint32_t noiseSeed);

    // Next sample in -1..1; the increment is the frequency in cycles per sample.
    float next(double phaseIncrement);

private:
    float noise();

    Waveform wave;
    double pulseWidth;
    double phase = 0.0;
    std::uint32_t noiseState;
};

}  // namespace synth
