// Outline tracing walks the directed edges between solid and free cells and joins them into loops.
#include "cell_mask.hpp"

#include <map>
#include <stdexcept>
#include <utility>

namespace {

struct Edge {
    int fromX, fromY, toX, toY;
};

using Corner = std::pair<int, int>;

int turnDirection(const Edge& in, const Edge& out)
{
    const int ax = in.toX - in.fromX;
    const int ay = in.toY - in.fromY;
    const int bx = out.toX - out.fromX;
    const int by = out.toY - out.fromY;
    return ax * by - ay * bx;  // > 0: a right turn on a y-down screen
}

}  // namespace

CellMask::CellMask(const std::vector<std::string>& rowTexts)
{
    rowCount = static_cast<int>(rowTexts.size());
    columnCount = rowCount > 0 ? static_cast<int>(rowTexts[0].size()) : 0;
    if (rowCount == 0 || columnCount == 0) {
        throw std::runtime_error("empty cell mask");
    }
    for (const std::string& row : rowTexts) {
        if (static_cast<int>(row.size()) != columnCount) {
            throw std::runtime_error("cell mask rows differ in length: \"" + row + "\"");
        }
    }
    cells.resize(static_cast<size_t>(columnCount * rowCount));
    for (int r = 0; r < rowCount; ++r) {
        for (int c = 0; c < columnCount; ++c) {
            const char mark = rowTexts[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (mark != '#' && mark != '.') {
                throw std::runtime_error(std::string("cell mask holds '") + mark + "', not '#' or '.'");
            }
            cells[static_cast<size_t>(r * columnCount + c)] = mark == '#';
        }
    }
}

void CellMask::setOpenSides(const std::string& sides)
{
    for (char side : sides) {
        switch (side) {
        case 'L': openLeft = true; break;
        case 'R': openRight = true; break;
        case 'T': openTop = true; break;
        case 'B': openBottom = true; break;
        default: throw std::runtime_error(std::string("unknown open side '") + side + "'");
        }
    }
}

bool CellMask::solid(int column, int row) const
{
    if (column < 0 || row < 0 || column >= columnCount || row >= rowCount) {
        return false;
    }
    return cells[static_cast<size_t>(row * columnCount + column)];
}

bool CellMask::solidOrJoined(int column, int row) const
{
    if ((column < 0 && !openLeft) || (column >= columnCount && !openRight) || (row < 0 && !openTop) ||
        (row >= rowCount && !openBottom)) {
        return false;
    }
    const int c = column < 0 ? 0 : (column >= columnCount ? columnCount - 1 : column);
    const int r = row < 0 ? 0 : (row >= rowCount ? rowCount - 1 : row);
    return solid(c, r);
}

std::vector<std::vector<Point>> CellMask::outlineLoops() const
{
    // Directed edges with the solid cell on the right-hand side (clockwise on a y-down screen),
    // over the mask grown by one joined cell on every side.
    std::multimap<Corner, Edge> edgesFrom;
    for (int r = -1; r <= rowCount; ++r) {
        for (int c = -1; c <= columnCount; ++c) {
            if (!solidOrJoined(c, r)) {
                continue;
            }
            auto freeAt = [&](int cc, int rr) {
                const bool outside = cc < -1 || rr < -1 || cc > columnCount || rr > rowCount;
                return outside || !solidOrJoined(cc, rr);
            };
            if (freeAt(c, r - 1)) edgesFrom.insert({{c, r}, {c, r, c + 1, r}});
            if (freeAt(c + 1, r)) edgesFrom.insert({{c + 1, r}, {c + 1, r, c + 1, r + 1}});
            if (freeAt(c, r + 1)) edgesFrom.insert({{c + 1, r + 1}, {c + 1, r + 1, c, r + 1}});
            if (freeAt(c - 1, r)) edgesFrom.insert({{c, r + 1}, {c, r + 1, c, r}});
        }
    }

    std::vector<std::vector<Point>> loops;
    while (!edgesFrom.empty()) {
        Edge edge = edgesFrom.begin()->second;
        edgesFrom.erase(edgesFrom.begin());
        const Corner start{edge.fromX, edge.fromY};
        std::vector<Point> loop;
        for (;;) {
            const Corner at{edge.toX, edge.toY};
            if (at == start) {
                break;
            }
            // Where two shapes touch only at a corner, turn right so the loops stay apart.
            auto range = edgesFrom.equal_range(at);
            if (range.first == range.second) {
                throw std::runtime_error("cell outline does not close");
            }
            auto chosen = range.first;
            for (auto it = range.first; it != range.second; ++it) {
                if (turnDirection(edge, it->second) > turnDirection(edge, chosen->second)) {
                    chosen = it;
                }
            }
            const Edge next = chosen->second;
            edgesFrom.erase(chosen);
            if (turnDirection(edge, next) != 0) {
                loop.push_back({static_cast<double>(at.first), static_cast<double>(at.second)});
            }
            edge = next;
        }
        // The walk starts at the top-left-most corner left, which is always a turn.
        loop.push_back({static_cast<double>(start.first), static_cast<double>(start.second)});
        loops.push_back(loop);
    }
    return loops;
}
