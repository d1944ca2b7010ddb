// Pitch modulation, oscillators, drive, filters and envelope, per sample in that order.
#include "voice.hpp"

#include <algorithm>
#include <cmath>

#include "audio_buffer.hpp"
#include "pitch.hpp"
#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr double halfPi = pi / 2.0;
constexpr double trillSharpness = 3.0;
constexpr double centsPerSemitone = 100.0;
constexpr double vibratoFadeInSeconds = 0.15;  // vibrato eases in after its delay
constexpr std::uint32_t seedStride = 0x9e3779b9u;

struct LiveOscillator {
    Oscillator oscillator;
    double ratio;
    double gain;
    double decaySeconds;
};

struct LiveFilter {
    StateVariableFilter filter;
    const FilterSetting& setting;
};

}  // namespace

Voice::Voice(const Patch& p, const Note& n) : patch(p), note(n) {}

double Voice::pitchSemitonesAt(double t) const
{
    double semitones = 0.0;
    if (patch.glideSeconds > 0.0) semitones += patch.glideSemitones * std::exp(-t / patch.glideSeconds);
    if (patch.vibratoHz > 0.0 && t > patch.vibratoDelaySeconds) {
        const double since = t - patch.vibratoDelaySeconds;
        const double depth = patch.vibratoSemitones * std::min(1.0, since / vibratoFadeInSeconds);
        semitones += depth * std::sin(twoPi * patch.vibratoHz * since);
    }
    if (patch.trillHz > 0.0) {
        // A rounded square: a hard jump between the two notes would click at every change.
        const double swing = std::sin(pi * patch.trillHz * t - halfPi);
        semitones += patch.trillSemitones * 0.5 * (1.0 + std::tanh(trillSharpness * swing) / std::tanh(trillSharpness));
    }
    return semitones;
}

std::vector<float> Voice::render() const
{
    const Envelope envelope(patch.amp, note.gateSeconds);
    const auto frames = static_cast<std::size_t>(std::ceil(envelope.endSeconds() * sampleRateHz));
    std::vector<LiveOscillator> oscillators;
    std::uint32_t seed = note.seed;
    for (const OscillatorSetting& s : patch.oscillators) {
        const double detune = std::pow(2.0, s.detuneCents / centsPerSemitone / 12.0);
        oscillators.push_back(
            {Oscillator(s.wave, s.pulseWidth, seed), s.ratio * detune, decibelsToGain(s.levelDb), s.decaySeconds});
        seed += seedStride;
    }
    std::vector<LiveFilter> filters;
    for (const FilterSetting& s : patch.filters) filters.push_back({StateVariableFilter(s.kind, s.resonance), s});

    const double gain = decibelsToGain(patch.levelDb) * note.velocity;
    const double driveNorm = patch.drive > 0.0 ? 1.0 / std::tanh(1.0 + patch.drive) : 1.0;
    std::vector<float> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) * sampleSeconds;
        const double hz = transposed(note.frequencyHz, pitchSemitonesAt(t));
        double sample = 0.0;
        for (LiveOscillator& o : oscillators) {
            double partial = o.gain * o.oscillator.next(hz * o.ratio * sampleSeconds);
            if (o.decaySeconds > 0.0) partial *= std::exp(-t / o.decaySeconds);
            sample += partial;
        }
        // Saturate before filtering, so the filters smooth the extra harmonics away.
        if (patch.drive > 0.0) sample = std::tanh(sample * (1.0 + patch.drive)) * driveNorm;
        for (LiveFilter& f : filters) {
            const double base = f.setting.followsPitch ? f.setting.cutoff * hz : f.setting.cutoff;
            const double sweep =
                f.setting.sweepOctaves * std::exp(-t / std::max(f.setting.sweepSeconds, sampleSeconds));
            sample = f.filter.process(static_cast<float>(sample), base * std::pow(2.0, sweep));
        }
        out[i] = static_cast<float>(sample * envelope.levelAt(t) * gain);
    }
    return out;
}

}  // namespace synth
