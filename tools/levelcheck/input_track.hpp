// The keys held in each 16 ms frame of a run, stored as run-length text: one line per run of
// frames, "<frames> <keys>", the keys being L, R and T (left, right, thrust) or "-" for none.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HeldKeys {
    static constexpr std::uint8_t left = 1;
    static constexpr std::uint8_t right = 2;
    static constexpr std::uint8_t thrust = 4;
    static constexpr std::uint8_t all = left | right | thrust;
};

class InputTrack {
public:
    // Throws a LevelError naming the file, line and column of the first fault.
    static InputTrack parse(const std::string& text, const std::string& file);
    static InputTrack load(const std::string& path);
    std::string format(const std::string& heading) const;
    void save(const std::string& path, const std::string& heading) const;

    // Keys of frame `index`; none past the end.
    std::uint8_t at(std::size_t index) const { return index < frames.size() ? frames[index] : 0; }

    std::vector<std::uint8_t> frames;
};
