// Settings are "word positional... [name value]..." so a line reads like "osc square width 0.25 level -6".
#include "patch_parser.hpp"

#include <functional>
#include <map>

#include "pitch.hpp"

namespace synth {
namespace {

constexpr double longestSeconds = 30.0;
constexpr double loudestDb = 24.0;
constexpr double quietestDb = -96.0;
constexpr double widestGlideSemitones = 48.0;
constexpr double highestRatio = 32.0;
constexpr double widestDetuneCents = 1200.0;
constexpr double highestResonance = 30.0;
constexpr double widestSweepOctaves = 10.0;
constexpr double fastestLfoHz = 100.0;
constexpr double strongestDrive = 20.0;

const std::map<std::string, Waveform> waveNames = {
    {"sine", Waveform::Sine}, {"triangle", Waveform::Triangle}, {"square", Waveform::Square},
    {"saw", Waveform::Saw},   {"noise", Waveform::Noise},
};

const std::map<std::string, FilterKind> filterNames = {
    {"lowpass", FilterKind::Lowpass}, {"highpass", FilterKind::Highpass}, {"bandpass", FilterKind::Bandpass}};

// Walks the "name value" pairs from an index on; the handler reads the value at the index it is given.
using OptionHandler = std::function<void(const std::string& name, std::size_t valueIndex)>;
void forEachOption(const SourceText& source, const SourceLine& line, std::size_t first,
                   const std::map<std::string, OptionHandler>& handlers)
{
    for (std::size_t i = first; i < line.words.size(); i += 2) {
        const auto found = handlers.find(line.words[i]);
        if (found == handlers.end()) source.fail(line, "'" + line.words[i] + "' is not a setting of " + line.words[0]);
        found->second(line.words[i], i + 1);
    }
}

}  // namespace

PatchParser::PatchParser(const SourceText& s) : source(s) {}

NamedPatch PatchParser::readBlock(std::size_t& index, const std::string& kind, const PatchLookup& defined,
                                  const OtherLineReader& readOther) const
{
    const SourceLine& header = source.lines()[index];
    NamedPatch block{source.word(header, 1, "a name"), {}};
    if (defined(block.name)) source.fail(header, kind + " '" + block.name + "' is defined twice");
    if (header.words.size() == 4 && header.words[2] == "from") {
        const Patch* base = defined(header.words[3]);
        if (!base) source.fail(header, "no " + kind + " '" + header.words[3] + "' above to start from");
        block.patch = *base;
    } else if (header.words.size() != 2) {
        source.fail(header, "a block starts: " + kind + " <name> [from <" + kind + ">]");
    }
    for (++index; index < source.lines().size(); ++index) {
        const SourceLine& line = source.lines()[index];
        if (line.words[0] == "end") {
            if (block.patch.oscillators.empty()) source.fail(header, kind + " '" + block.name + "' has no osc");
            return block;
        }
        if (!apply(line, block.patch) && !readOther(line))
            source.fail(line, "'" + line.words[0] + "' is not a setting (in " + kind + " '" + block.name + "')");
    }
    source.fail(header, kind + " '" + block.name + "' has no 'end'");
}

double PatchParser::readPositive(const SourceLine& line, std::size_t index, const std::string& what) const
{
    return source.number(line, index, what, 0.0, longestSeconds);
}

void PatchParser::readOscillator(const SourceLine& line, Patch& patch) const
{
    OscillatorSetting osc;
    const std::string& wave = source.word(line, 1, "a waveform");
    const auto found = waveNames.find(wave);
    if (found == waveNames.end())
        source.fail(line, "'" + wave + "' is not a waveform (sine, triangle, square, saw, noise)");
    osc.wave = found->second;
    forEachOption(
        source, line, 2,
        {{"ratio",
          [&](const std::string& n, std::size_t i) { osc.ratio = source.number(line, i, n, 0.01, highestRatio); }},
         {"level",
          [&](const std::string& n, std::size_t i) { osc.levelDb = source.number(line, i, n, quietestDb, loudestDb); }},
         {"detune",
          [&](const std::string& n, std::size_t i) {
              osc.detuneCents = source.number(line, i, n, -widestDetuneCents, widestDetuneCents);
          }},
         {"width", [&](const std::string& n, std::size_t i) { osc.pulseWidth = source.number(line, i, n, 0.0, 1.0); }},
         {"decay", [&](const std::string& n, std::size_t i) { osc.decaySeconds = readPositive(line, i, n); }}});
    patch.oscillators.push_back(osc);
}

void PatchParser::readFilter(const SourceLine& line, Patch& patch) const
{
    FilterSetting filter;
    const std::string& kind = source.word(line, 1, "a filter kind");
    const auto found = filterNames.find(kind);
    if (found == filterNames.end())
        source.fail(line, "'" + kind + "' is not a filter kind (lowpass, highpass, bandpass)");
    filter.kind = found->second;
    const std::string& cutoff = source.word(line, 2, "a cutoff (Hz, or xN for N times the note)");
    if (cutoff.size() > 1 && cutoff[0] == 'x') {
        filter.followsPitch = true;
        SourceLine ratio = line;
        ratio.words[2] = cutoff.substr(1);
        filter.cutoff = source.number(ratio, 2, "cutoff ratio", 0.01, highestRatio);
    } else {
        filter.cutoff = source.number(line, 2, "cutoff", 10.0, 22050.0);
    }
    forEachOption(
        source, line, 3,
        {{"q", [&](const std::string& n,
                   std::size_t i) { filter.resonance = source.number(line, i, n, 0.1, highestResonance); }},
         {"sweep",
          [&](const std::string& n, std::size_t i) {
              filter.sweepOctaves = source.number(line, i, n, -widestSweepOctaves, widestSweepOctaves);
          }},
         {"over", [&](const std::string& n, std::size_t i) { filter.sweepSeconds = readPositive(line, i, n); }}});
    patch.filters.push_back(filter);
}

void PatchParser::readEnvelope(const SourceLine& line, Patch& patch) const
{
    EnvelopeShape& amp = patch.amp;
    forEachOption(
        source, line, 1,
        {{"attack", [&](const std::string& n, std::size_t i) { amp.attackSeconds = readPositive(line, i, n); }},
         {"hold", [&](const std::string& n, std::size_t i) { amp.holdSeconds = readPositive(line, i, n); }},
         {"decay", [&](const std::string& n, std::size_t i) { amp.decaySeconds = readPositive(line, i, n); }},
         {"sustain",
          [&](const std::string& n, std::size_t i) { amp.sustainLevel = source.number(line, i, n, 0.0, 1.0); }},
         {"release", [&](const std::string& n, std::size_t i) { amp.releaseSeconds = readPositive(line, i, n); }}});
}

bool PatchParser::apply(const SourceLine& line, Patch& patch) const
{
    const std::string& key = line.words[0];
    if (key == "osc")
        readOscillator(line, patch);
    else if (key == "filter")
        readFilter(line, patch);
    else if (key == "amp")
        readEnvelope(line, patch);
    else if (key == "vibrato") {
        patch.vibratoHz = source.number(line, 1, "vibrato rate", 0.0, fastestLfoHz);
        patch.vibratoSemitones = source.number(line, 2, "vibrato depth", 0.0, widestGlideSemitones);
        forEachOption(source, line, 3, {{"delay", [&](const std::string& n, std::size_t i) {
                                             patch.vibratoDelaySeconds = readPositive(line, i, n);
                                         }}});
    } else
        return applySimple(line, patch);
    return true;
}

bool PatchParser::applySimple(const SourceLine& line, Patch& patch) const
{
    const std::string& key = line.words[0];
    std::size_t values = 1;
    if (key == "glide") {
        patch.glideSemitones = source.number(line, 1, "glide semitones", -widestGlideSemitones, widestGlideSemitones);
        patch.glideSeconds = readPositive(line, 2, "glide time");
        values = 2;
    } else if (key == "trill") {
        patch.trillSemitones = source.number(line, 1, "trill interval", -widestGlideSemitones, widestGlideSemitones);
        patch.trillHz = source.number(line, 2, "trill rate", 0.0, fastestLfoHz);
        values = 2;
    } else if (key == "drive")
        patch.drive = source.number(line, 1, "drive", 0.0, strongestDrive);
    else if (key == "level")
        patch.levelDb = source.number(line, 1, "level", quietestDb, loudestDb);
    else if (key == "pan")
        patch.pan = source.number(line, 1, "pan", -1.0, 1.0);
    else if (key == "gate")
        patch.gate = source.number(line, 1, "gate", 0.01, 1.0);
    else if (key == "echo")
        patch.echoSendDb = source.number(line, 1, "echo send", quietestDb, 0.0);
    else if (key == "hit")
        patch.hitHz = source.pitch(line, 1);
    else
        return false;
    if (line.words.size() > values + 1) source.fail(line, "too many values for '" + key + "'");
    return true;
}

}  // namespace synth
