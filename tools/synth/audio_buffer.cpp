// Measurements over all channels together, the way the mixer sums them into the output.
#include "audio_buffer.hpp"

#include <algorithm>
#include <cmath>

#include "sample_rate.hpp"

namespace synth {

double gainToDecibels(double gain)
{
    return 20.0 * std::log10(std::max(gain, 1e-12));
}

double decibelsToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

double AudioBuffer::seconds() const
{
    return static_cast<double>(frames()) * sampleSeconds;
}

double AudioBuffer::peak() const
{
    double highest = 0.0;
    for (float s : samples) highest = std::max(highest, static_cast<double>(std::abs(s)));
    return highest;
}

double AudioBuffer::rms() const
{
    if (samples.empty()) return 0.0;
    double sum = 0.0;
    for (float s : samples) sum += static_cast<double>(s) * s;
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

double AudioBuffer::loudestRms(double windowSeconds) const
{
    const std::size_t window = std::max<std::size_t>(1, static_cast<std::size_t>(windowSeconds * sampleRateHz)) *
                               static_cast<std::size_t>(channels);
    if (samples.size() <= window) return rms();
    double sum = 0.0;
    for (std::size_t i = 0; i < window; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    double loudest = sum;
    for (std::size_t i = window; i < samples.size(); ++i) {
        sum += static_cast<double>(samples[i]) * samples[i] -
               static_cast<double>(samples[i - window]) * samples[i - window];
        loudest = std::max(loudest, sum);
    }
    return std::sqrt(std::max(loudest, 0.0) / static_cast<double>(window));
}

void AudioBuffer::scale(double gain)
{
    for (float& s : samples) s = static_cast<float>(s * gain);
}

}  // namespace synth
