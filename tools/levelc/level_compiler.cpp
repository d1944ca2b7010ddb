#include "level_compiler.hpp"

#include <cmath>

#include "coverage_report.hpp"
#include "graphics/tables.hpp"
#include "level_error.hpp"
#include "tile_filler.hpp"

namespace {

std::string cellName(int index)
{
    return std::to_string(index / MapData::rows) + "," + std::to_string(index % MapData::rows);
}

std::string percent(double share)
{
    return std::to_string(static_cast<int>(std::lround(share * 100.0))) + "%";
}

// The placement lines of the collision pieces whose area overlaps the cell.
std::string piecesOver(const LevelSource& source, const MapData& map, int index)
{
    const int x = (index / MapData::rows) * MapData::cellPixels;
    const int y = (index % MapData::rows) * MapData::cellPixels;
    std::string lines;
    for (int cell = 0; cell < MapData::gridCells; ++cell) {
        const int value = map.pieces[static_cast<std::size_t>(cell)];
        if (value == 0) {
            continue;
        }
        const Rect size = collisionRects[static_cast<std::size_t>(std::abs(value) - 1)];
        const int left = (cell / MapData::rows) * MapData::cellPixels - (value < 0 ? size.w : 0);
        const int top = (cell % MapData::rows) * MapData::cellPixels;
        if (x + MapData::cellPixels > left && x < left + size.w && y + MapData::cellPixels > top && y < top + size.h) {
            const int line = source.collisionLines[static_cast<std::size_t>(cell)];
            lines += (lines.empty() ? "" : ", ") + std::string("collision ") + std::to_string(std::abs(value)) +
                     " at " + cellName(cell) + (line != 0 ? " (line " + std::to_string(line) + ")" : " (a tile)");
        }
    }
    return lines;
}

[[noreturn]] void failAtCell(const LevelSource& source, int index, const std::string& message)
{
    const int row = index % MapData::rows;
    throw LevelError(source.file, source.rowLines[static_cast<std::size_t>(row)], index / MapData::rows + 1, message);
}

}  // namespace

MapData LevelCompiler::compile(const LevelSource& source, const CollisionPictures* pictures)
{
    MapData map = source.map;
    if (pictures == nullptr) {
        if (!source.tileRules.empty()) {
            throw LevelError(source.file, source.tileRules.front().line, 1,
                             "tiles are laid by looking at the collision pictures: give their folder");
        }
        return map;
    }
    const std::vector<int> bare = TileFiller::fill(map, source.tileRules, CoverageMap(source.map.pieces, *pictures));
    const CoverageMap coverage(map.pieces, *pictures);
    const CoverageReport report = CoverageReport::measure(map, coverage);
    if (!report.bareSolidCells.empty()) {
        const int index = report.bareSolidCells.front();
        failAtCell(source, index,
                   "solid cell " + cellName(index) + " shows no terrain (" +
                       percent(coverage.fraction(index / MapData::rows, index % MapData::rows)) +
                       " covered): place a picture over it, or make it part of a 2x2 solid block in tiled columns");
    }
    if (!report.ghostCells.empty()) {
        const int index = report.ghostCells.front();
        failAtCell(source, index,
                   "free cell " + cellName(index) + " looks solid (" +
                       percent(coverage.fraction(index / MapData::rows, index % MapData::rows)) + " covered by " +
                       piecesOver(source, map, index) + ")");
    }
    return map;
}
