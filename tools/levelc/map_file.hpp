// Reads and writes the 46880-byte map file field by field, little-endian, refusing any value
// the game's tables or factory have no meaning for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map_data.hpp"

class MapFile {
public:
    static std::vector<std::uint8_t> encode(const MapData& map);
    // `name` is used in the messages of the LevelError thrown for a bad block.
    static MapData decode(const std::vector<std::uint8_t>& bytes, const std::string& name);

    static MapData read(const std::string& path);
    // Writes a temporary file beside `path` and renames it over `path`: never a partial file.
    static void write(const std::string& path, const MapData& map);

    // Throws a LevelError naming the first value outside the tables.
    static void validate(const MapData& map, const std::string& name);
};

// Writes `bytes` through the game's crash-safe writer; a failure throws, naming the path.
void writeFileAtomically(const std::string& path, const std::string& bytes);
