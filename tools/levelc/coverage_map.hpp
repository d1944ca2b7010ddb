// How much of each terrain cell the collision pictures cover with opaque pixels, drawn as the
// game draws them: stretched to the piece size, mirrored pieces extending left of their cell.
#pragma once

#include <vector>

#include "collision_pictures.hpp"
#include "map_data.hpp"

class CoverageMap {
public:
    static constexpr int cellArea = MapData::cellPixels * MapData::cellPixels;
    // A pixel at least half opaque counts as covered.
    static constexpr int opaqueAlpha = 128;

    CoverageMap(const MapData::Grid& pieces, const CollisionPictures& pictures);

    // 0 to 1: the share of the cell's pixels covered.
    double fraction(int column, int row) const;

private:
    std::vector<int> coveredPixels;  // by cell index
};
