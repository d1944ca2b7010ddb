// Pitches as the sound sources write them: note names ("C4", "F#3", "Bb5") or plain frequencies ("300hz").
#pragma once

#include <optional>
#include <string>

namespace synth {

// Frequency in Hz of a note name or an "<number>hz" literal; nothing when the text is neither.
std::optional<double> parsePitch(const std::string& text);

// The frequency moved by a number of equal-tempered semitones (negative goes down).
double transposed(double frequencyHz, double semitones);

}  // namespace synth
