// A music track as its score describes it: tempo, instruments, patterns of note lanes and the song order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "patch.hpp"
#include "source_text.hpp"

namespace synth {

// One lane of a pattern: an instrument and its steps ("C4" starts a note, "C4+E4+G4" a chord, "-" holds it,
// "." rests, "x"/"X" a soft/strong hit).
struct Lane {
    std::string name;  // "bass", or "pad:2" for a second lane of the pad
    std::string instrument;
    std::vector<std::string> steps;
};

struct Pattern {
    std::string name;
    std::vector<Lane> lanes;
    std::size_t stepCount = 0;  // the longest lane; shorter lanes repeat to fill it
};

struct SongEntry {
    std::string pattern;
    int transposeSemitones = 0;
};

class Score {
public:
    static Score parse(const SourceText& source);

    double stepSeconds() const;
    const Pattern& pattern(const std::string& name) const { return patterns.at(name); }
    std::size_t songSteps() const;

    double tempoBpm = 120.0;
    int stepsPerBeat = 4;
    double swing = 0.0;         // share of a step every second step is late by
    double loudnessDb = -18.0;  // weighted RMS the finished track is brought to
    int echoSteps = 0;          // 0: no echo
    double echoFeedback = 0.3;
    std::map<std::string, Patch> instruments;
    std::map<std::string, Pattern> patterns;
    std::vector<SongEntry> song;

private:
    void readHeaderLine(const SourceText& source, const SourceLine& line);
    void readInstrument(const SourceText& source, std::size_t& lineIndex);
    void readPattern(const SourceText& source, std::size_t& lineIndex);
    void readSong(const SourceText& source, const SourceLine& line);
    void checkLane(const SourceText& source, const SourceLine& line, const Lane& lane) const;
    void checkPattern(const SourceText& source, const SourceLine& header, const Pattern& pattern) const;
};

// Whether a lane step is one of the hold/rest/hit marks rather than a pitch.
bool isHold(const std::string& step);
bool isRest(const std::string& step);
bool isHit(const std::string& step);
bool isAccentedHit(const std::string& step);
// The pitches of a note or chord step ("C4", "C4+E4+G4"); empty when the step is not one.
std::vector<double> chordPitches(const std::string& step);

}  // namespace synth
