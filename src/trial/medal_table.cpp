#include "trial/medal_table.hpp"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

constexpr const char* modeNames[] = {"easy", "hard"};
// Silver at par x 5/4, bronze at par x 8/5.
constexpr std::int64_t silverShare[] = {5, 4};
constexpr std::int64_t bronzeShare[] = {8, 5};

std::int32_t share(std::int32_t parMs, const std::int64_t (&fraction)[2])
{
    return static_cast<std::int32_t>(static_cast<std::int64_t>(parMs) * fraction[0] / fraction[1]);
}

std::vector<std::string> split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    parts.push_back(text.substr(from));
    return parts;
}

// Plain decimal digits only: no sign, no blanks, nothing after them.
bool readNumber(const std::string& word, std::int32_t& value)
{
    if (word.empty() || word[0] < '0' || word[0] > '9') {
        return false;
    }
    const char* end = word.data() + word.size();
    const auto result = std::from_chars(word.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool readMode(const std::string& word, bool& hardMode)
{
    for (int mode = 0; mode < 2; ++mode) {
        if (word == modeNames[mode]) {
            hardMode = mode == 1;
            return true;
        }
    }
    return false;
}

bool readEntry(const std::string& line, MedalTable& table)
{
    const std::vector<std::string> words = split(line, ' ');
    std::int32_t level = 0;
    bool hardMode = false;
    MedalTimes times;
    if (words.size() != 5 || !readNumber(words[0], level) || !readMode(words[1], hardMode) ||
        !readNumber(words[2], times.gold) || !readNumber(words[3], times.silver) ||
        !readNumber(words[4], times.bronze)) {
        return false;
    }
    const bool ordered = times.gold > 0 && times.gold <= times.silver && times.silver <= times.bronze;
    const bool known = level >= 1 && level <= MedalTable::levelsPerMode && table.find(level - 1, hardMode) == nullptr;
    if (!ordered || !known) {
        return false;
    }
    table.set(level - 1, hardMode, times);
    return true;
}

}  // namespace

MedalTimes MedalTable::fromPar(std::int32_t parMs)
{
    return MedalTimes{parMs, share(parMs, silverShare), share(parMs, bronzeShare)};
}

MedalTable MedalTable::load()
{
    MedalTable table;
    std::ifstream file(path, std::ios::binary);
    std::string text;
    if (file) {
        text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    // A folder in its place opens but reads nothing.
    if (file.bad() || text.empty() || !parse(text, table)) {
        std::printf("Failed to load %s\n", path);
        return MedalTable{};
    }
    return table;
}

bool MedalTable::parse(const std::string& text, MedalTable& table)
{
    table = MedalTable{};
    if (text.size() > largestFile) {
        return false;
    }
    std::vector<std::string> lines = split(text, '\n');
    // The last line ends with its newline.
    if (lines.back().empty()) {
        lines.pop_back();
    }
    bool good = !lines.empty() && lines.front() == versionLine;
    for (std::size_t i = 1; good && i < lines.size(); ++i) {
        good = readEntry(lines[i], table);
    }
    if (!good) {
        table = MedalTable{};
    }
    return good;
}

std::string MedalTable::toText() const
{
    std::ostringstream text;
    text << versionLine << '\n';
    for (int level = 0; level < levelsPerMode; ++level) {
        for (int mode = 0; mode < 2; ++mode) {
            if (const MedalTimes* times = find(level, mode == 1)) {
                text << level + 1 << ' ' << modeNames[mode] << ' ' << times->gold << ' ' << times->silver << ' '
                     << times->bronze << '\n';
            }
        }
    }
    return text.str();
}

void MedalTable::set(int level, bool hardMode, const MedalTimes& times)
{
    entries.at(static_cast<std::size_t>(level + (hardMode ? levelsPerMode : 0))) = times;
}

const MedalTimes* MedalTable::find(int level, bool hardMode) const
{
    if (level < 0 || level >= levelsPerMode) {
        return nullptr;
    }
    const MedalTimes& times = entries[static_cast<std::size_t>(level + (hardMode ? levelsPerMode : 0))];
    return times.gold == 0 ? nullptr : &times;
}

Medal MedalTable::medalFor(int level, bool hardMode, std::int32_t timeMs) const
{
    const MedalTimes* times = find(level, hardMode);
    return times == nullptr ? Medal::None : medalOf(*times, timeMs);
}

Medal medalOf(const MedalTimes& times, std::int32_t timeMs)
{
    if (timeMs <= times.gold) {
        return Medal::Gold;
    }
    if (timeMs <= times.silver) {
        return Medal::Silver;
    }
    return timeMs <= times.bronze ? Medal::Bronze : Medal::None;
}

std::int32_t nextLimit(const MedalTimes& times, Medal earned)
{
    switch (earned) {
    case Medal::None: return times.bronze;
    case Medal::Bronze: return times.silver;
    case Medal::Silver: return times.gold;
    case Medal::Gold: return 0;
    }
    return 0;
}

const char* medalName(Medal medal)
{
    switch (medal) {
    case Medal::Bronze: return "bronze";
    case Medal::Silver: return "silver";
    case Medal::Gold: return "gold";
    case Medal::None: return "no";
    }
    return "no";
}
