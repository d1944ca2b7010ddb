// Equal temperament around A4 = 440 Hz; octaves numbered as on a piano (C4 is middle C).
#include "pitch.hpp"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace synth {
namespace {

constexpr double a4Hz = 440.0;
constexpr int a4Midi = 69;
constexpr int semitonesPerOctave = 12;
constexpr int lowestOctave = 0;
constexpr int highestOctave = 9;

// Semitones above C of each letter, indexed from 'A'.
constexpr std::array<int, 7> letterSemitones = {9, 11, 0, 2, 4, 5, 7};

std::optional<double> parseFrequency(const std::string& text)
{
    constexpr std::size_t suffixLength = 2;
    if (text.size() <= suffixLength) return std::nullopt;
    const std::string suffix = text.substr(text.size() - suffixLength);
    if (suffix != "hz" && suffix != "Hz") return std::nullopt;
    const std::string number = text.substr(0, text.size() - suffixLength);
    char* end = nullptr;
    const double hz = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !(hz > 0.0)) return std::nullopt;
    return hz;
}

std::optional<double> parseNoteName(const std::string& text)
{
    if (text.size() < 2 || text.size() > 3) return std::nullopt;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (letter < 'A' || letter > 'G') return std::nullopt;
    int semitone = letterSemitones[static_cast<std::size_t>(letter - 'A')];
    std::size_t pos = 1;
    if (text.size() == 3) {
        if (text[1] == '#')
            semitone += 1;
        else if (text[1] == 'b')
            semitone -= 1;
        else
            return std::nullopt;
        pos = 2;
    }
    if (!std::isdigit(static_cast<unsigned char>(text[pos]))) return std::nullopt;
    const int octave = text[pos] - '0';
    if (octave < lowestOctave || octave > highestOctave) return std::nullopt;
    const int midi = (octave + 1) * semitonesPerOctave + semitone;
    return transposed(a4Hz, midi - a4Midi);
}

}  // namespace

std::optional<double> parsePitch(const std::string& text)
{
    if (auto hz = parseFrequency(text)) return hz;
    return parseNoteName(text);
}

double transposed(double frequencyHz, double semitones)
{
    return frequencyHz * std::pow(2.0, semitones / semitonesPerOctave);
}

}  // namespace synth
