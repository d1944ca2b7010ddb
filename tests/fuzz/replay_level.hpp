// The level the replay fuzzer plays its inputs on, and its seeds were flown on: a floor, a start
// point, a toilet not far off, and one of each object kind, so that a replay meets every rule.
#pragma once

#include "world/level_file.hpp"

namespace fuzzing {

inline testing_support::LevelFile replayLevel()
{
    using Grid = testing_support::LevelFile::Grid;
    testing_support::LevelFile level;
    for (int column = 0; column < Level::columns; ++column) {
        level.set(Grid::Terrain, column, 23, 1).set(Grid::Terrain, column, 24, 1);
    }
    level.set(Grid::Objects, 2, 20, 1).set(Grid::Objects, 12, 20, 2);
    for (int kind = 3; kind <= 8; ++kind) level.set(Grid::Objects, 3 * kind, 12, kind);
    return level;
}

}  // namespace fuzzing
