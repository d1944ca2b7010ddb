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

TimedNote readNote(const SourceText& source, const SourceLine& line, std::uint32_t seed)
{
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

void EffectRecipe::readVoice(const SourceText& source, std::size_t& index, EffectRecipe& recipe)
{
    std::vector<TimedNote> notes;
    const auto defined = [&](const std::string& name) -> const Patch* {
        const auto found = std::find_if(recipe.voices.begin(), recipe.voices.end(),
                                        [&](const EffectVoice& v) { return v.name == name; });
        return found == recipe.voices.end() ? nullptr : &found->patch;
    };
    const auto readNoteLine = [&](const SourceLine& line) {
        if (line.words[0] != "note") return false;
        const auto seed = static_cast<std::uint32_t>(recipe.voices.size() * 1000 + notes.size() + 1);
        notes.push_back(readNote(source, line, seed));
        return true;
    };
    NamedPatch voice = PatchParser(source).readBlock(index, "voice", defined, readNoteLine);
    recipe.voices.push_back({voice.name, voice.patch, notes});
}

EffectRecipe EffectRecipe::parse(const SourceText& source)
{
    EffectRecipe recipe;
    for (std::size_t i = 0; i < source.lines().size(); ++i) {
        const SourceLine& line = source.lines()[i];
        if (line.words[0] == "peak")
            recipe.peakDb = source.number(line, 1, "peak", quietestPeakDb, loudestPeakDb);
        else if (line.words[0] == "loudness")
            recipe.loudnessDb = source.number(line, 1, "loudness", quietestPeakDb, loudestPeakDb);
        else if (line.words[0] == "voice")
            readVoice(source, i, recipe);
        else
            source.fail(line, "expected 'peak', 'loudness' or 'voice', not '" + line.words[0] + "'");
    }
    const bool anyNote =
        std::any_of(recipe.voices.begin(), recipe.voices.end(), [](const EffectVoice& v) { return !v.notes.empty(); });
    if (!anyNote) throw SourceError(source.name(), 0, "the recipe plays no note");
    return recipe;
}

AudioBuffer EffectRecipe::render() const
{
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
