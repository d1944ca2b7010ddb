// Which 32-pixel cells of a terrain picture are solid, and the outline of the solid shape.
#pragma once

#include "path_builder.hpp"

#include <string>
#include <vector>

class CellMask {
public:
    // Rows of '#' (solid) and '.' (free), all the same length.
    explicit CellMask(const std::vector<std::string>& rows);

    // Sides ("L", "R", "T", "B" in any mix) where the shape runs on into a neighbouring piece:
    // no outline is drawn there, so pieces placed side by side join up.
    void setOpenSides(const std::string& sides);

    int columns() const { return columnCount; }
    int rows() const { return rowCount; }
    bool solid(int column, int row) const;
    // Like solid, but a cell beyond an open side copies the nearest cell inside.
    bool solidOrJoined(int column, int row) const;

    // Closed outlines of the solid region in cell units, outer loops clockwise on a y-down screen.
    // Loops reach one cell beyond the open sides, so no outline edge lies on them.
    std::vector<std::vector<Point>> outlineLoops() const;

private:
    int columnCount = 0;
    int rowCount = 0;
    std::vector<bool> cells;
    bool openLeft = false;
    bool openRight = false;
    bool openTop = false;
    bool openBottom = false;
};
