// Score layout: header lines ("tempo", "steps", "swing", "loudness", "echo"), "instrument <name> [from <other>]"
// ... "end" blocks of patch settings, "pattern <name>" ... "end" blocks of lane lines, and "song" lines naming the
// patterns in play order ("verse+2" plays a pattern two semitones up; hits are never transposed).
#include "score.hpp"

#include <algorithm>
#include <cstdlib>

#include "patch_parser.hpp"
#include "pitch.hpp"
#include "source_error.hpp"

namespace synth {
namespace {

constexpr double slowestBpm = 40.0;
constexpr double fastestBpm = 300.0;
constexpr int mostStepsPerBeat = 8;
constexpr double mostSwing = 0.5;
constexpr int longestEchoSteps = 64;
constexpr double strongestFeedback = 0.9;
constexpr const char* barMark = "|";

}  // namespace

bool isHold(const std::string& step)
{
    return step == "-";
}
bool isRest(const std::string& step)
{
    return step == ".";
}
bool isHit(const std::string& step)
{
    return step == "x" || step == "X";
}
bool isAccentedHit(const std::string& step)
{
    return step == "X";
}

std::vector<double> chordPitches(const std::string& step)
{
    std::vector<double> pitches;
    std::size_t from = 0;
    for (;;) {
        const std::size_t plus = step.find('+', from);
        const auto hz = parsePitch(step.substr(from, plus == std::string::npos ? std::string::npos : plus - from));
        if (!hz) return {};
        pitches.push_back(*hz);
        if (plus == std::string::npos) return pitches;
        from = plus + 1;
    }
}

double Score::stepSeconds() const
{
    return 60.0 / tempoBpm / stepsPerBeat;
}

std::size_t Score::songSteps() const
{
    std::size_t steps = 0;
    for (const SongEntry& entry : song) steps += pattern(entry.pattern).stepCount;
    return steps;
}

void Score::readHeaderLine(const SourceText& source, const SourceLine& line)
{
    const std::string& key = line.words[0];
    if (key == "tempo")
        tempoBpm = source.number(line, 1, "tempo", slowestBpm, fastestBpm);
    else if (key == "steps")
        stepsPerBeat = source.whole(line, 1, "steps per beat", 1, mostStepsPerBeat);
    else if (key == "swing")
        swing = source.number(line, 1, "swing", 0.0, mostSwing);
    else if (key == "loudness")
        loudnessDb = source.number(line, 1, "loudness", -40.0, -6.0);
    else if (key == "echo") {
        echoSteps = source.whole(line, 1, "echo steps", 0, longestEchoSteps);
        echoFeedback = source.number(line, 2, "echo feedback", 0.0, strongestFeedback);
    } else
        source.fail(line, "'" + key +
                              "' is not a score line (tempo, steps, swing, loudness, echo, instrument, pattern, song)");
}

void Score::readInstrument(const SourceText& source, std::size_t& index)
{
    const SourceLine& header = source.lines()[index];
    if (source.word(header, 1, "a name").find(':') != std::string::npos)
        source.fail(header, "an instrument name cannot hold ':'");
    const auto defined = [&](const std::string& name) -> const Patch* {
        const auto found = instruments.find(name);
        return found == instruments.end() ? nullptr : &found->second;
    };
    NamedPatch instrument =
        PatchParser(source).readBlock(index, "instrument", defined, [](const SourceLine&) { return false; });
    instruments[instrument.name] = instrument.patch;
}

void Score::checkLane(const SourceText& source, const SourceLine& line, const Lane& lane) const
{
    const auto found = instruments.find(lane.instrument);
    if (found == instruments.end()) source.fail(line, "no instrument '" + lane.instrument + "' defined above");
    if (!lane.steps.empty() && isHold(lane.steps.front()))
        source.fail(line, "lane '" + lane.name + "' starts with a hold");
    for (const std::string& step : lane.steps) {
        if (isHit(step) && found->second.hitHz <= 0.0)
            source.fail(line, "'" + lane.instrument + "' has no 'hit' pitch for '" + step + "'");
        if (!isHold(step) && !isRest(step) && !isHit(step) && chordPitches(step).empty())
            source.fail(line, "'" + step + "' is not a step (a pitch or chord like C4+E4, '-', '.', 'x' or 'X')");
    }
}

void Score::checkPattern(const SourceText& source, const SourceLine& header, const Pattern& p) const
{
    if (p.lanes.empty()) source.fail(header, "pattern '" + p.name + "' has no lanes");
    for (const Lane& lane : p.lanes) {
        if (lane.steps.empty() || p.stepCount % lane.steps.size() != 0)
            source.fail(header, "lane '" + lane.name + "' of pattern '" + p.name + "' has " +
                                    std::to_string(lane.steps.size()) + " steps, which do not fill " +
                                    std::to_string(p.stepCount) + " evenly");
    }
}

void Score::readPattern(const SourceText& source, std::size_t& index)
{
    const SourceLine& header = source.lines()[index];
    Pattern p;
    p.name = source.word(header, 1, "a name");
    if (header.words.size() != 2) source.fail(header, "a pattern starts: pattern <name>");
    if (patterns.count(p.name)) source.fail(header, "pattern '" + p.name + "' is defined twice");
    for (++index; index < source.lines().size(); ++index) {
        const SourceLine& line = source.lines()[index];
        if (line.words[0] == "end") {
            checkPattern(source, header, p);
            patterns[p.name] = p;
            return;
        }
        // Lines of the same lane carry on where the last one stopped, so long lanes read bar by bar.
        auto lane =
            std::find_if(p.lanes.begin(), p.lanes.end(), [&](const Lane& l) { return l.name == line.words[0]; });
        if (lane == p.lanes.end()) {
            const std::string& name = line.words[0];
            p.lanes.push_back({name, name.substr(0, name.find(':')), {}});
            lane = p.lanes.end() - 1;
        }
        for (std::size_t w = 1; w < line.words.size(); ++w)
            if (line.words[w] != barMark) lane->steps.push_back(line.words[w]);
        checkLane(source, line, *lane);
        p.stepCount = std::max(p.stepCount, lane->steps.size());
    }
    source.fail(header, "pattern '" + p.name + "' has no 'end'");
}

void Score::readSong(const SourceText& source, const SourceLine& line)
{
    for (std::size_t w = 1; w < line.words.size(); ++w) {
        const std::string& word = line.words[w];
        const std::size_t sign = word.find_first_of("+-");
        SongEntry entry{word.substr(0, sign), 0};
        if (sign != std::string::npos) {
            SourceLine shift{line.number, {line.words[0], word.substr(sign)}};
            entry.transposeSemitones = source.whole(shift, 1, "transposition", -24, 24);
        }
        if (!patterns.count(entry.pattern)) source.fail(line, "no pattern '" + entry.pattern + "' defined above");
        song.push_back(entry);
    }
}

Score Score::parse(const SourceText& source)
{
    Score score;
    for (std::size_t i = 0; i < source.lines().size(); ++i) {
        const SourceLine& line = source.lines()[i];
        const std::string& key = line.words[0];
        if (key == "instrument")
            score.readInstrument(source, i);
        else if (key == "pattern")
            score.readPattern(source, i);
        else if (key == "song")
            score.readSong(source, line);
        else
            score.readHeaderLine(source, line);
    }
    if (score.song.empty()) throw SourceError(source.name(), 0, "the score has no 'song' line");
    return score;
}

}  // namespace synth
