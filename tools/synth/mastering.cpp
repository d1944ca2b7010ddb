// Levels in dBFS throughout; 0 dBFS is a full-scale sample.
#include "mastering.hpp"

#include <algorithm>
#include <cmath>

#include "sample_rate.hpp"
#include "state_variable_filter.hpp"

namespace synth {
namespace {

constexpr double dcCornerHz = 12.0;
constexpr double endFadeSeconds = 0.003;
constexpr double bassCutHz = 100.0;
constexpr double presenceHz = 1500.0;
constexpr double presenceBoostDb = 4.0;
constexpr double weightingResonance = 0.6;

}  // namespace

void removeDc(AudioBuffer& buffer)
{
    const double pole = std::exp(-twoPi * dcCornerHz / sampleRateHz);
    const auto channels = static_cast<std::size_t>(buffer.channels);
    for (std::size_t c = 0; c < channels; ++c) {
        double lastIn = 0.0;
        double lastOut = 0.0;
        for (std::size_t i = c; i < buffer.samples.size(); i += channels) {
            const double in = buffer.samples[i];
            lastOut = in - lastIn + pole * lastOut;
            lastIn = in;
            buffer.samples[i] = static_cast<float>(lastOut);
        }
    }
}

void trimTail(AudioBuffer& buffer, double thresholdDb)
{
    const double threshold = buffer.peak() * decibelsToGain(thresholdDb);
    const auto channels = static_cast<std::size_t>(buffer.channels);
    std::size_t lastAudible = buffer.samples.size();
    while (lastAudible > 0 && std::abs(buffer.samples[lastAudible - 1]) <= threshold) --lastAudible;
    // The fade runs over what is already below the threshold, so the audible part keeps its own ending.
    const std::size_t fadeFrames = static_cast<std::size_t>(endFadeSeconds * sampleRateHz);
    const std::size_t frames = std::min(buffer.frames(), (lastAudible + channels - 1) / channels + fadeFrames);
    buffer.samples.resize(frames * channels);
    const std::size_t firstFaded = frames - std::min(frames, fadeFrames);
    for (std::size_t f = firstFaded; f < frames; ++f) {
        const double gain = static_cast<double>(frames - 1 - f) / static_cast<double>(frames - firstFaded);
        for (std::size_t c = 0; c < channels; ++c) buffer.samples[f * channels + c] *= static_cast<float>(gain);
    }
}

void normalisePeak(AudioBuffer& buffer, double peakDb)
{
    const double peak = buffer.peak();
    if (peak > 0.0) buffer.scale(decibelsToGain(peakDb) / peak);
}

AudioBuffer weightedForLoudness(const AudioBuffer& buffer)
{
    // Roughly how ears weigh level: deep bass counts for little, presence a little more.
    AudioBuffer weighted = buffer;
    const auto channels = static_cast<std::size_t>(buffer.channels);
    const double presenceGain = decibelsToGain(presenceBoostDb) - 1.0;
    for (std::size_t c = 0; c < channels; ++c) {
        StateVariableFilter bassCut(FilterKind::Highpass, weightingResonance);
        StateVariableFilter presence(FilterKind::Highpass, weightingResonance);
        for (std::size_t i = c; i < weighted.samples.size(); i += channels) {
            const float cut = bassCut.process(weighted.samples[i], bassCutHz);
            weighted.samples[i] = static_cast<float>(cut + presenceGain * presence.process(cut, presenceHz));
        }
    }
    return weighted;
}

double loudnessGain(const AudioBuffer& buffer, double targetDb, double ceilingDb)
{
    const double rms = weightedForLoudness(buffer).rms();
    const double peak = buffer.peak();
    if (rms <= 0.0 || peak <= 0.0) return 1.0;
    return std::min(decibelsToGain(targetDb) / rms, decibelsToGain(ceilingDb) / peak);
}

}  // namespace synth
