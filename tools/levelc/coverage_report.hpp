// What the player sees against what the hat hits: solid cells the pictures leave bare (invisible
// walls) and free cells they cover (ghost terrain).
#pragma once

#include <string>
#include <vector>

#include "coverage_map.hpp"

struct CoverageReport {
    // A solid cell is covered when this share of it is opaque; a free cell is ghost terrain from
    // this share on. Picture outlines round the corners of solid cells a little.
    static constexpr double solidCovered = 0.75;
    static constexpr double ghostCovered = 0.25;

    static CoverageReport measure(const MapData& map, const CoverageMap& coverage);

    bool clean() const { return bareSolidCells.empty() && ghostCells.empty(); }
    // "solid 812/812 covered, free 8563 with 0 ghost (12 touched)"
    std::string summary() const;

    int solidCells = 0;
    int freeCells = 0;
    // Free cells with any covered pixel at all, ghost or not.
    int touchedFreeCells = 0;
    std::vector<int> bareSolidCells;  // cell indices
    std::vector<int> ghostCells;
};
