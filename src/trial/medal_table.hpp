// Medal times for every level and mode, made by the build from the level checker's par times and
// read by the game from ./data/medals.txt. A run earns gold at or under par, silver and bronze
// within fixed shares over it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/game_paths.hpp"

enum class Medal : std::uint8_t { None, Bronze, Silver, Gold };

// The slowest time, in ms, that still earns each medal.
struct MedalTimes {
    std::int32_t gold = 0;
    std::int32_t silver = 0;
    std::int32_t bronze = 0;

    bool operator==(const MedalTimes& other) const
    {
        return gold == other.gold && silver == other.silver && bronze == other.bronze;
    }
};

class MedalTable {
public:
    static constexpr const char* path = GamePaths::medalFile;
    // The first line of the file: its name and the version of its layout.
    static constexpr const char* versionLine = "fezzle-medals 1";
    static constexpr int levelsPerMode = 18;
    // Larger files are not medal tables.
    static constexpr std::size_t largestFile = 4096;

    // Gold at par, silver at par x 1.25, bronze at par x 1.6, rounded down to whole ms.
    static MedalTimes fromPar(std::int32_t parMs);

    // A table of every level, or none when the file is missing or unreadable (logged once).
    static MedalTable load();
    // False for anything but a table as toText writes it: `table` is then left empty.
    static bool parse(const std::string& text, MedalTable& table);
    // The version line, then one line per level and mode that has times: "level mode gold silver
    // bronze", the level counted from 1, the mode "easy" or "hard".
    std::string toText() const;

    void set(int level, bool hardMode, const MedalTimes& times);
    // Null when the level has no medal times (no table, or no par for it).
    const MedalTimes* find(int level, bool hardMode) const;
    Medal medalFor(int level, bool hardMode, std::int32_t timeMs) const;

private:
    // Index: level, plus levelsPerMode in hard mode. A gold time of 0 marks no entry.
    std::array<MedalTimes, 2 * levelsPerMode> entries{};
};

// The medal a time earns against the given times.
Medal medalOf(const MedalTimes& times, std::int32_t timeMs);
// The limit of the next better medal, or 0 from gold.
std::int32_t nextLimit(const MedalTimes& times, Medal earned);
const char* medalName(Medal medal);
