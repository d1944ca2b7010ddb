// The tiling rule: square tiles laid over the solid cells no placed picture covers. Tiles cover
// whole cells, so they go only where a 2x2 (or 4x4) block of cells is solid throughout.
#pragma once

#include <vector>

#include "coverage_map.hpp"
#include "level_source.hpp"

class TileFiller {
public:
    // Adds tiles to `map`'s collision grid; returns the cells it could not cover (indices).
    static std::vector<int> fill(MapData& map, const std::vector<TileRule>& rules, const CoverageMap& placed);
};
