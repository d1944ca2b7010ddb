// Builds map files byte by byte as the game reads them, so tests never need shipped levels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "world/level.hpp"

namespace testing_support {

class LevelFile {
public:
    enum class Grid { Terrain = 0, Foreground = 1, Pieces = 2, Parallax = 3, Objects = 4 };

    LevelFile() : bytes(Level::fileBytes, 0) { setVersion(1); }

    LevelFile& setVersion(std::int32_t version)
    {
        const auto raw = static_cast<std::uint32_t>(version);
        for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(raw >> (8 * i));
        return *this;
    }
    LevelFile& set(Grid grid, int column, int row, int value)
    {
        return setByte(4 + static_cast<int>(grid) * Level::gridCells + Level::cellIndex(column, row), value);
    }
    LevelFile& setStyle(int style) { return setByte(static_cast<int>(bytes.size()) - 1, style); }
    LevelFile& setByte(int offset, int value)
    {
        bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(value));
        return *this;
    }
    void write(const std::string& path) const { writeFile(path, bytes); }

    std::vector<std::uint8_t> bytes;
};

}  // namespace testing_support
