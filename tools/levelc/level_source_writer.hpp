// Writes a map as level source text that compiles back to the same bytes: every picture as a
// placement line, objects and terrain on the map, and what '#' cannot show as extra lines.
#pragma once

#include <string>

#include "map_data.hpp"

class LevelSourceWriter {
public:
    // `heading` becomes the first comment line.
    static std::string write(const MapData& map, const std::string& heading);
};
