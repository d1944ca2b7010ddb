// A recipe or score split into lines of words, comments (a word starting "#", to the end of the line) and
// blank lines gone.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace synth {

struct SourceLine {
    int number = 0;
    std::vector<std::string> words;
};

class SourceText {
public:
    static SourceText fromFile(const std::string& path);
    static SourceText fromString(const std::string& text, const std::string& name);

    const std::string& name() const { return sourceName; }
    const std::vector<SourceLine>& lines() const { return sourceLines; }

    // Throws a SourceError pointing at the line.
    [[noreturn]] void fail(const SourceLine& line, const std::string& message) const;
    // The word at an index, or a failure naming what was expected there.
    const std::string& word(const SourceLine& line, std::size_t index, const std::string& what) const;
    double number(const SourceLine& line, std::size_t index, const std::string& what) const;
    double number(const SourceLine& line, std::size_t index, const std::string& what, double lowest,
                  double highest) const;
    int whole(const SourceLine& line, std::size_t index, const std::string& what, int lowest, int highest) const;
    double pitch(const SourceLine& line, std::size_t index) const;

private:
    std::string sourceName;
    std::vector<SourceLine> sourceLines;
};

}  // namespace synth
