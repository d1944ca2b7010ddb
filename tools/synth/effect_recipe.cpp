// Recipe layout: "peak <dB>" and blocks of "voice <name> [from <voice>]" ... "note <start s> <length s> <pitch>
// [level dB]" ... "end". A voice taken "from" another starts with its sound but none of its notes.
// "loudness <dB>" sets how loud its loudest moment is heard; "peak <dB>" is the ceiling it never passes.
#include "effect_recipe.hpp"

#include <algorithm>

#include "mastering.hpp"
#include "patch_parser.hpp"
#include "sample_rate.hpp"
#include "source_error.hpp"

namespace synth {
namespace {

constexpr double loudestPeakDb = -0.5;
constexpr double quietestPeakDb = -40.0;
constexpr double longestEffectSeconds = 10.0;
constexpr double tailThresholdDb = -66.0;

const EffectVoice* findVoice(const std::vector<EffectVoice>& voices, const std::string& name) {
    for (const EffectVoice& v : voices)
        if (v.name == name) return &v;
    return nullptr;
}

TimedNote readNote(const SourceText& source, const SourceLine& line, std::uint32_t seed) {
    TimedNote timed;
    timed.startSeconds = source.number(line, 1, "note start", 0.0, longestEffectSeconds);
    timed.note.gateSeconds = source.number(line, 2, "note length", 0.0, longestEffectSeconds);
    timed.note.frequencyHz = source.pitch(line, 3);
    if (line.words.size() > 4) timed.note.velocity = decibelsToGain(source.number(line, 4, "note level", -60.0, 12.0));
    if (line.words.size() > 5) source.fail(line, "a note is: note <start> <length> <pitch> [level]");
    timed.note.seed = seed;
    return timed;
}

}  // namespace

void EffectRecipe::readVoice(const SourceText& source, std::size_t& index, EffectRecipe& recipe) {
    const SourceLine& header = source.lines()[index];
    EffectVoice voice;
    voice.name = source.word(header, 1, "a name");
    if (findVoice(recipe.voices, voice.name)) source.fail(header, "voice '" + voice.name + "' is defined twice");
    if (header.words.size() == 4 && header.words[2] == "from") {
        const EffectVoice* base = findVoice(recipe.voices, header.words[3]);
        if (!base) source.fail(header, "no voice '" + header.words[3] + "' above to start from");
        voice.patch = base->patch;
    } else if (header.words.size() != 2) {
        source.fail(header, "a voice starts: voice <name> [from <voice>]");
    }
    const PatchParser parser(source);
    for (++index; index < source.lines().size(); ++index) {
        const SourceLine& line = source.lines()[index];
        if (line.words[0] == "end") {
            if (voice.patch.oscillators.empty()) source.fail(header, "voice '" + voice.name + "' has no osc");
            recipe.voices.push_back(voice);
            return;
        }
        if (line.words[0] == "note") {
            const auto seed = static_cast<std::uint32_t>(recipe.voices.size() * 1000 + voice.notes.size() + 1);
            voice.notes.push_back(readNote(source, line, seed));
        } else if (!parser.apply(line, voice.patch)) {
            source.fail(line, "'" + line.words[0] + "' is not a voice setting");
        }
    }
    source.fail(header, "voice '" + voice.name + "' has no 'end'");
}

EffectRecipe EffectRecipe::parse(const SourceText& source) {
    EffectRecipe recipe;
    for (std::size_t i = 0; i < source.lines().size(); ++i) {
        const SourceLine& line = source.lines()[i];
        if (line.words[0] == "peak") recipe.peakDb = source.number(line, 1, "peak", quietestPeakDb, loudestPeakDb);
        else if (line.words[0] == "loudness")
            recipe.loudnessDb = source.number(line, 1, "loudness", quietestPeakDb, loudestPeakDb);
        else if (line.words[0] == "voice") readVoice(source, i, recipe);
        else source.fail(line, "expected 'peak', 'loudness' or 'voice', not '" + line.words[0] + "'");
    }
    const bool anyNote = std::any_of(recipe.voices.begin(), recipe.voices.end(),
                                     [](const EffectVoice& v) { return !v.notes.empty(); });
    if (!anyNote) throw SourceError(source.name(), 0, "the recipe plays no note");
    return recipe;
}

AudioBuffer EffectRecipe::render() const {
    AudioBuffer buffer;
    for (const EffectVoice& voice : voices) {
        for (const TimedNote& timed : voice.notes) {
            const std::vector<float> samples = Voice(voice.patch, timed.note).render();
            const auto start = static_cast<std::size_t>(timed.startSeconds * sampleRateHz + 0.5);
            if (buffer.samples.size() < start + samples.size()) buffer.samples.resize(start + samples.size());
            for (std::size_t i = 0; i < samples.size(); ++i) buffer.samples[start + i] += samples[i];
        }
    }
    removeDc(buffer);
    trimTail(buffer, tailThresholdDb);
    normalisePeak(buffer, peakDb);
    if (loudnessDb) {
        const double loudest = weightedForLoudness(buffer).loudestRms(loudnessWindowSeconds);
        if (loudest > 0.0) buffer.scale(std::min(1.0, decibelsToGain(*loudnessDb) / loudest));
    }
    return buffer;
}

}  // namespace synth
