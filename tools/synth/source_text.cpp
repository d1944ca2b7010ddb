// Strict number reading: "0.5x" or "fast" where a number belongs is an error, never a silent zero.
#include "source_text.hpp"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "pitch.hpp"
#include "source_error.hpp"

namespace synth {
namespace {

// A comment starts with "#" at the start of a word; inside a word ("F#4") it is a sharp.
std::size_t commentStart(const std::string& raw)
{
    for (std::size_t i = 0; i < raw.size(); ++i)
        if (raw[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(raw[i - 1])))) return i;
    return std::string::npos;
}

}  // namespace

SourceText SourceText::fromFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in) throw SourceError(path, 0, "cannot be read");
    std::ostringstream text;
    text << in.rdbuf();
    return fromString(text.str(), path);
}

SourceText SourceText::fromString(const std::string& text, const std::string& name)
{
    SourceText source;
    source.sourceName = name;
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::istringstream words(raw.substr(0, commentStart(raw)));
        SourceLine line{number, {}};
        for (std::string w; words >> w;) line.words.push_back(w);
        if (!line.words.empty()) source.sourceLines.push_back(line);
    }
    return source;
}

void SourceText::fail(const SourceLine& line, const std::string& message) const
{
    throw SourceError(sourceName, line.number, message);
}

const std::string& SourceText::word(const SourceLine& line, std::size_t index, const std::string& what) const
{
    if (index >= line.words.size()) fail(line, "'" + line.words.front() + "' needs " + what);
    return line.words[index];
}

double SourceText::number(const SourceLine& line, std::size_t index, const std::string& what) const
{
    const std::string& text = word(line, index, what);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size()) fail(line, what + " must be a number, not '" + text + "'");
    return value;
}

double SourceText::number(const SourceLine& line, std::size_t index, const std::string& what, double lowest,
                          double highest) const
{
    const double value = number(line, index, what);
    if (value < lowest || value > highest) {
        std::ostringstream message;
        message << what << " " << value << " is outside " << lowest << " to " << highest;
        fail(line, message.str());
    }
    return value;
}

int SourceText::whole(const SourceLine& line, std::size_t index, const std::string& what, int lowest, int highest) const
{
    const double value = number(line, index, what, lowest, highest);
    if (value != std::floor(value)) fail(line, what + " must be a whole number, not '" + line.words[index] + "'");
    return static_cast<int>(value);
}

double SourceText::pitch(const SourceLine& line, std::size_t index) const
{
    const std::string& text = word(line, index, "a pitch");
    const auto hz = parsePitch(text);
    if (!hz) fail(line, "'" + text + "' is not a note name (C4, F#3, Bb5) or a frequency (300hz)");
    return *hz;
}

}  // namespace synth
