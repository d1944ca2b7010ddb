#include "input_track.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "level_error.hpp"
#include "map_file.hpp"

namespace {

constexpr char keyLetters[] = "LRT";
constexpr std::uint8_t keyBits[] = {HeldKeys::left, HeldKeys::right, HeldKeys::thrust};
// A run longer than this is surely a typing slip: it is over an hour of play.
constexpr long longestRun = 60L * 60 * 1000 / 16;

std::string keyText(std::uint8_t keys)
{
    std::string text;
    for (std::size_t i = 0; i < sizeof keyBits; ++i) {
        if ((keys & keyBits[i]) != 0) {
            text += keyLetters[i];
        }
    }
    return text.empty() ? "-" : text;
}

}  // namespace

InputTrack InputTrack::parse(const std::string& text, const std::string& file)
{
    InputTrack track;
    std::istringstream in(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == ';') {
            continue;
        }
        std::size_t used = 0;
        long count = 0;
        try {
            count = std::stol(line.substr(start), &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used == 0 || count < 1 || count > longestRun) {
            throw LevelError(file, lineNumber, static_cast<int>(start) + 1,
                             "expected a frame count of 1 to " + std::to_string(longestRun));
        }
        const std::size_t keysAt = line.find_first_not_of(" \t", start + used);
        if (keysAt == std::string::npos || keysAt == start + used) {
            throw LevelError(file, lineNumber, static_cast<int>(start + used) + 1, "expected the keys after the count");
        }
        std::size_t i = line.find_first_of(" \t", keysAt);
        i = i == std::string::npos ? line.size() : i;
        std::uint8_t keys = 0;
        if (line.compare(keysAt, i - keysAt, "-") != 0) {
            for (std::size_t k = keysAt; k < i; ++k) {
                const char* found = std::strchr(keyLetters, line[k]);
                if (found == nullptr || line[k] == 0) {
                    throw LevelError(file, lineNumber, static_cast<int>(k) + 1,
                                     std::string("'") + line[k] + "' is no key (L, R, T, or - for none)");
                }
                keys |= keyBits[found - keyLetters];
            }
        }
        if (line.find_first_not_of(" \t", i) != std::string::npos) {
            throw LevelError(file, lineNumber, static_cast<int>(line.find_first_not_of(" \t", i)) + 1,
                             "unexpected text after the keys");
        }
        track.frames.insert(track.frames.end(), static_cast<std::size_t>(count), keys);
    }
    return track;
}

InputTrack InputTrack::load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw LevelError(path, std::string("cannot be opened: ") + std::strerror(errno));
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parse(text.str(), path);
}

std::string InputTrack::format(const std::string& heading) const
{
    std::ostringstream out;
    out << "; " << heading << '\n';
    std::size_t i = 0;
    while (i < frames.size()) {
        std::size_t run = 1;
        while (i + run < frames.size() && frames[i + run] == frames[i]) {
            ++run;
        }
        out << run << ' ' << keyText(frames[i]) << '\n';
        i += run;
    }
    return out.str();
}

void InputTrack::save(const std::string& path, const std::string& heading) const
{
    writeFileAtomically(path, format(heading));
}
