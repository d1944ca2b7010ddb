#include "coverage_report.hpp"

CoverageReport CoverageReport::measure(const MapData& map, const CoverageMap& coverage)
{
    CoverageReport report;
    for (int column = 0; column < MapData::columns; ++column) {
        for (int row = 0; row < MapData::rows; ++row) {
            const int index = MapData::cellIndex(column, row);
            const double covered = coverage.fraction(column, row);
            if (map.terrain[static_cast<std::size_t>(index)] != 0) {
                ++report.solidCells;
                if (covered < solidCovered) {
                    report.bareSolidCells.push_back(index);
                }
            } else {
                ++report.freeCells;
                report.touchedFreeCells += covered > 0.0 ? 1 : 0;
                if (covered >= ghostCovered) {
                    report.ghostCells.push_back(index);
                }
            }
        }
    }
    return report;
}

std::string CoverageReport::summary() const
{
    const int coveredSolid = solidCells - static_cast<int>(bareSolidCells.size());
    return "solid " + std::to_string(coveredSolid) + "/" + std::to_string(solidCells) + " covered, free " +
           std::to_string(freeCells) + " with " + std::to_string(ghostCells.size()) + " ghost (" +
           std::to_string(touchedFreeCells) + " touched)";
}
