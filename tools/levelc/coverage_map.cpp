#include "coverage_map.hpp"

#include <algorithm>

#include "graphics/tables.hpp"

namespace {

constexpr int levelWidth = MapData::columns * MapData::cellPixels;
constexpr int levelHeight = MapData::rows * MapData::cellPixels;

// Marks the level pixels one piece covers. The picture is stretched to the piece with
// nearest sampling at pixel centres.
void drawPiece(std::vector<bool>& covered, int column, int row, int value, const CollisionPictures& pictures)
{
    const int number = value < 0 ? -value : value;
    const Rect size = collisionRects[static_cast<std::size_t>(number - 1)];
    const PictureAlpha& picture = pictures.picture(number);
    const bool mirrored = value < 0;
    const int left = column * MapData::cellPixels - (mirrored ? size.w : 0);
    const int top = row * MapData::cellPixels;
    for (int y = std::max(0, top); y < std::min(levelHeight, top + size.h); ++y) {
        const int pictureY = ((y - top) * 2 + 1) * picture.height / (2 * size.h);
        for (int x = std::max(0, left); x < std::min(levelWidth, left + size.w); ++x) {
            const int u = mirrored ? size.w - 1 - (x - left) : x - left;
            const int pictureX = (u * 2 + 1) * picture.width / (2 * size.w);
            if (picture.at(pictureX, pictureY) >= CoverageMap::opaqueAlpha) {
                covered[static_cast<std::size_t>(y * levelWidth + x)] = true;
            }
        }
    }
}

}  // namespace

CoverageMap::CoverageMap(const MapData::Grid& pieces, const CollisionPictures& pictures)
    : coveredPixels(MapData::gridCells, 0)
{
    std::vector<bool> covered(static_cast<std::size_t>(levelWidth * levelHeight), false);
    for (int column = 0; column < MapData::columns; ++column) {
        for (int row = 0; row < MapData::rows; ++row) {
            const int value = pieces[static_cast<std::size_t>(MapData::cellIndex(column, row))];
            if (value != 0) {
                drawPiece(covered, column, row, value, pictures);
            }
        }
    }
    for (int y = 0; y < levelHeight; ++y) {
        for (int x = 0; x < levelWidth; ++x) {
            if (covered[static_cast<std::size_t>(y * levelWidth + x)]) {
                ++coveredPixels[static_cast<std::size_t>(
                    MapData::cellIndex(x / MapData::cellPixels, y / MapData::cellPixels))];
            }
        }
    }
}

double CoverageMap::fraction(int column, int row) const
{
    return static_cast<double>(coveredPixels[static_cast<std::size_t>(MapData::cellIndex(column, row))]) / cellArea;
}
