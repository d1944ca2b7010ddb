#include "tile_filler.hpp"

#include <array>

#include "coverage_report.hpp"
#include "tile_material.hpp"

namespace {

constexpr int smallCells = 2;
constexpr int largeCells = 4;

class Filler {
public:
    Filler(MapData& level, const std::vector<TileRule>& tileRules, const CoverageMap& placed)
        : map(level), rules(tileRules), needed(MapData::gridCells, false)
    {
        for (int column = 0; column < MapData::columns; ++column) {
            for (int row = 0; row < MapData::rows; ++row) {
                needed[index(column, row)] = solid(column, row) && material(column) != nullptr &&
                                             placed.fraction(column, row) < CoverageReport::solidCovered;
            }
        }
    }

    std::vector<int> run()
    {
        layLargeTiles();
        return laySmallTiles();
    }

private:
    static std::size_t index(int column, int row) { return static_cast<std::size_t>(MapData::cellIndex(column, row)); }

    bool inside(int column, int row) const
    {
        return column >= 0 && column < MapData::columns && row >= 0 && row < MapData::rows;
    }
    bool solid(int column, int row) const { return inside(column, row) && map.terrain[index(column, row)] != 0; }

    // The first rule whose columns hold `column`.
    const TileMaterial* material(int column) const
    {
        for (const TileRule& rule : rules) {
            if (column >= rule.firstColumn && column <= rule.lastColumn) {
                return findTileMaterial(rule.material);
            }
        }
        return nullptr;
    }

    // Solid throughout, one material, and the anchor cell free for a picture.
    bool fits(int column, int row, int cells) const
    {
        if (!inside(column, row) || map.pieces[index(column, row)] != 0) {
            return false;
        }
        for (int dx = 0; dx < cells; ++dx) {
            for (int dy = 0; dy < cells; ++dy) {
                if (!solid(column + dx, row + dy) || material(column + dx) != material(column)) {
                    return false;
                }
            }
        }
        return true;
    }

    int neededIn(int column, int row, int cells) const
    {
        int count = 0;
        for (int dx = 0; dx < cells; ++dx) {
            for (int dy = 0; dy < cells; ++dy) {
                count += needed[index(column + dx, row + dy)] ? 1 : 0;
            }
        }
        return count;
    }

    // The top surface goes on tiles with open air above them; the level's top edge is a ceiling.
    bool capped(int column, int row, int cells) const
    {
        if (row == 0) {
            return false;
        }
        for (int dx = 0; dx < cells; ++dx) {
            if (!solid(column + dx, row - 1)) {
                return true;
            }
        }
        return false;
    }

    void lay(int column, int row, int cells, int fillPicture, int capPicture)
    {
        map.pieces[index(column, row)] =
            static_cast<std::int8_t>(capped(column, row, cells) ? capPicture : fillPicture);
        for (int dx = 0; dx < cells; ++dx) {
            for (int dy = 0; dy < cells; ++dy) {
                needed[index(column + dx, row + dy)] = false;
            }
        }
    }

    void layLargeTiles()
    {
        for (int row = 0; row + largeCells <= MapData::rows; ++row) {
            for (int column = 0; column + largeCells <= MapData::columns; ++column) {
                const TileMaterial* tiles = material(column);
                if (tiles != nullptr && tiles->large != 0 && fits(column, row, largeCells) &&
                    neededIn(column, row, largeCells) == largeCells * largeCells) {
                    lay(column, row, largeCells, tiles->large, tiles->largeCap);
                }
            }
        }
    }

    std::vector<int> laySmallTiles()
    {
        std::vector<int> bare;
        for (int row = 0; row < MapData::rows; ++row) {
            for (int column = 0; column < MapData::columns; ++column) {
                if (needed[index(column, row)] && !laySmallTileOver(column, row)) {
                    bare.push_back(MapData::cellIndex(column, row));
                }
            }
        }
        return bare;
    }

    // Of the four 2x2 blocks that hold the cell, the one that covers most still-bare cells.
    bool laySmallTileOver(int column, int row)
    {
        constexpr std::array<std::array<int, 2>, 4> anchors = {{{0, 0}, {-1, 0}, {0, -1}, {-1, -1}}};
        int bestColumn = -1;
        int bestRow = -1;
        int bestCount = 0;
        for (const auto& offset : anchors) {
            const int c = column + offset[0];
            const int r = row + offset[1];
            if (fits(c, r, smallCells) && neededIn(c, r, smallCells) > bestCount) {
                bestColumn = c;
                bestRow = r;
                bestCount = neededIn(c, r, smallCells);
            }
        }
        if (bestCount == 0) {
            return false;
        }
        const TileMaterial* tiles = material(bestColumn);
        lay(bestColumn, bestRow, smallCells, tiles->small, tiles->smallCap);
        return true;
    }

    MapData& map;
    const std::vector<TileRule>& rules;
    std::vector<bool> needed;
};

}  // namespace

std::vector<int> TileFiller::fill(MapData& map, const std::vector<TileRule>& rules, const CoverageMap& placed)
{
    return Filler(map, rules, placed).run();
}
