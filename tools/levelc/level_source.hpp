// A level source file: the map with the rules and the source lines that messages point to.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "map_data.hpp"

// "tiles <material> [first-last]": square tiles laid over the solid cells that no placed
// collision picture covers, in the given columns.
struct TileRule {
    std::string material;
    int firstColumn = 0;
    int lastColumn = MapData::columns - 1;
    int line = 0;
};

struct LevelSource {
    std::string file;
    std::string name;
    MapData map;
    std::vector<TileRule> tileRules;
    // The source line of each collision placement, by cell; 0 where the cell holds none.
    std::array<int, MapData::gridCells> collisionLines{};
    // The source line of each map row; all 0 until the map has been read.
    std::array<int, MapData::rows> rowLines{};
};

class LevelSourceParser {
public:
    // Throws a LevelError naming the file, line and column of the first fault.
    static LevelSource parse(const std::string& text, const std::string& file);
};
