// Records and settings, kept in memory and as the 152-byte file ./data/dat/game.dat.
#pragma once

#include <array>
#include <cstdint>

#include "engine/game_paths.hpp"

class SaveData {
public:
    static constexpr int levelsPerMode = 18;
    static constexpr int recordCount = 2 * levelsPerMode;
    static constexpr std::size_t fileSize = 152;
    static constexpr const char* path = GamePaths::saveFile;

    void clear();
    // False when the file cannot be opened; a short file fills what it holds.
    bool load();
    // False (and logged) when the file could not be written; the records in memory stay valid.
    bool save();
    // True when the time is a record: it is stored and the file written.
    bool submitRecord(int level, int timeMs);
    int getRecord(int level) const;
    int openLevelCount() const;

    std::array<std::int32_t, recordCount> records{};
    std::uint8_t showFps = 0;
    std::uint8_t hardMode = 0;
    std::uint8_t effectsOff = 0;
    std::uint8_t soundOff = 0;
    std::uint8_t musicOff = 0;

    std::array<std::uint8_t, fileSize> toBytes() const;
    void fromBytes(const std::uint8_t* bytes, std::size_t count);

private:
    int slotBase() const { return hardMode == 1 ? levelsPerMode : 0; }
};

// True when a save file exists at the path, readable or not.
bool saveFileExists();
