// A sound effect as its recipe describes it: voices (patches) with notes at given times, and a peak level.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "audio_buffer.hpp"
#include "patch.hpp"
#include "source_text.hpp"
#include "voice.hpp"

namespace synth {

struct TimedNote {
    double startSeconds = 0.0;
    Note note;
};

struct EffectVoice {
    std::string name;
    Patch patch;
    std::vector<TimedNote> notes;
};

constexpr double loudnessWindowSeconds = 0.05;

class EffectRecipe {
public:
    static EffectRecipe parse(const SourceText& source);

    // Mono, DC-free, trimmed to its audible end, at the recipe's loudness and never above its peak.
    AudioBuffer render() const;

    double peakDb = -3.0;
    std::optional<double> loudnessDb;  // weighted RMS of the loudest 50 ms; none: as loud as the peak allows
    std::vector<EffectVoice> voices;

private:
    static void readVoice(const SourceText& source, std::size_t& lineIndex, EffectRecipe& recipe);
};

}  // namespace synth
