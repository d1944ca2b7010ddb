// Interleaved float samples (full scale = 1.0) with the measurements every check needs.
#pragma once

#include <cstddef>
#include <vector>

namespace synth {

struct AudioBuffer {
    int channels = 1;
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    double seconds() const;
    double peak() const;
    double rms() const;
    // Loudest RMS over any window of this length: how loud a short effect really sounds.
    double loudestRms(double windowSeconds) const;
    void scale(double gain);
};

double gainToDecibels(double gain);
double decibelsToGain(double db);

}  // namespace synth
