#include "world/pair_index.hpp"

#include <algorithm>
#include <cmath>


namespace {

constexpr std::int32_t wordBits = 64;

// Monotonic in v, so boxes that meet always get cell ranges that meet.
std::int32_t cellOf(float v, std::int32_t count)
{
    const double cell = std::floor(static_cast<double>(v) / PairIndex::cellPixels);
    if (cell < 0.0) {
        return 0;
    }
    if (cell >= static_cast<double>(count - 1)) {
        return count - 1;
    }
    return static_cast<std::int32_t>(cell);
}

void drop(std::vector<std::int32_t>& places, std::int32_t place)
{
    const auto found = std::find(places.begin(), places.end(), place);
    if (found != places.end()) {
        *found = places.back();
        places.pop_back();
    }
}

bool filed(const PairIndex::Cells& cells)
{
    return !cells.everywhere && cells.column1 - cells.column0 <= PairIndex::widestFiledSpan &&
           cells.row1 - cells.row0 <= PairIndex::widestFiledSpan;
}

}  // namespace

bool PairIndex::Cells::operator==(const Cells& other) const
{
    return column0 == other.column0 && column1 == other.column1 && row0 == other.row0 && row1 == other.row1 &&
           everywhere == other.everywhere;
}

PairIndex::Box PairIndex::boxOf(const Entity* entity)
{
    // The same sums as the overlap test, so both see the same box.
    const float left = entity->getX();
    const float top = entity->getY();
    return Box{left, left + entity->getBoxWidth(), top, top + entity->getBoxHeight()};
}

PairIndex::Cells PairIndex::cellsOf(const Entity* entity)
{
    return cellsOf(boxOf(entity));
}

PairIndex::Cells PairIndex::cellsOf(const Box& box)
{
    const auto [left, right, top, bottom] = box;
    Cells cells;
    if (std::isnan(left) || std::isnan(right) || std::isnan(top) || std::isnan(bottom)) {
        // Comparisons with a NaN never reject, so such a box can overlap anything.
        cells.everywhere = true;
        return cells;
    }
    // A negative size turns an interval around; the overlap test then still only passes boxes
    // whose spans from the smaller to the larger end meet.
    cells.column0 = cellOf(std::min(left, right), gridColumns);
    cells.column1 = cellOf(std::max(left, right), gridColumns);
    cells.row0 = cellOf(std::min(top, bottom), gridRows);
    cells.row1 = cellOf(std::max(top, bottom), gridRows);
    return cells;
}

void PairIndex::clear()
{
    slots.clear();
    for (std::vector<std::int32_t>& places : grid) {
        places.clear();
    }
    unfiled.clear();
    widestSpan = 0;
    tallestSpan = 0;
    live = 0;
}

void PairIndex::rebuild(const LinkedList<Entity>& objects)
{
    clear();
    slots.reserve(static_cast<std::size_t>(objects.size()));
    for (Entity* entity : objects) {
        append(entity);
    }
}

void PairIndex::append(Entity* entity)
{
    const auto place = static_cast<std::int32_t>(slots.size());
    const Box box = boxOf(entity);
    slots.push_back(Slot{entity, box, cellsOf(box), true});
    enter(place);
    ++live;
    ++appends;
}

void PairIndex::remove(std::int32_t place)
{
    Slot& slot = slots[static_cast<std::size_t>(place)];
    if (slot.live) {
        leave(place);
        slot.live = false;
        --live;
    }
}

void PairIndex::refresh(std::int32_t place)
{
    Slot& slot = slots[static_cast<std::size_t>(place)];
    if (!slot.live) {
        return;
    }
    // Most contacts move nothing; reading the box back is cheap, filing it again is not.
    const Box box = boxOf(slot.entity);
    if (box == slot.box) {
        return;
    }
    slot.box = box;
    const Cells cells = cellsOf(box);
    if (cells != slot.cells) {
        leave(place);
        slot.cells = cells;
        enter(place);
    }
}

bool PairIndex::holds(std::int32_t place, const Entity* entity) const
{
    return place >= 0 && static_cast<std::size_t>(place) < slots.size() &&
           slots[static_cast<std::size_t>(place)].live && slots[static_cast<std::size_t>(place)].entity == entity;
}

std::vector<std::int32_t>& PairIndex::listOf(const Cells& cells)
{
    return filed(cells) ? grid[static_cast<std::size_t>(cells.column0 * gridRows + cells.row0)] : unfiled;
}

void PairIndex::enter(std::int32_t place)
{
    const Cells& cells = slots[static_cast<std::size_t>(place)].cells;
    listOf(cells).push_back(place);
    if (filed(cells)) {
        // Spans only grow within a walk: a look-up may reach back further than it needs to, never less.
        widestSpan = std::max(widestSpan, cells.column1 - cells.column0);
        tallestSpan = std::max(tallestSpan, cells.row1 - cells.row0);
    }
}

void PairIndex::leave(std::int32_t place)
{
    drop(listOf(slots[static_cast<std::size_t>(place)].cells), place);
}

void PairIndex::candidates(const Cells& cells, std::int32_t after, std::int32_t self, std::vector<std::int32_t>& out)
{
    out.clear();
    if (cells.everywhere) {
        for (std::size_t place = static_cast<std::size_t>(after + 1); place < slots.size(); ++place) {
            if (slots[place].live && static_cast<std::int32_t>(place) != self) {
                out.push_back(static_cast<std::int32_t>(place));
            }
        }
        return;
    }
    // A bit per place: reading the bits in order gives list order without sorting.
    marks.resize((slots.size() + wordBits - 1) / wordBits);
    std::size_t lowWord = marks.size();
    std::size_t highWord = 0;
    const auto take = [&](const std::vector<std::int32_t>& places) {
        for (const std::int32_t place : places) {
            if (place > after && place != self) {
                const std::size_t word = static_cast<std::size_t>(place) / wordBits;
                marks[word] |= std::uint64_t{1} << (static_cast<std::size_t>(place) % wordBits);
                lowWord = std::min(lowWord, word);
                highWord = std::max(highWord, word);
            }
        }
    };
    // A box that meets this one has its top-left corner at most one widest (tallest) span before
    // this box's first column (row), and not after its last.
    const std::int32_t firstColumn = std::max(0, cells.column0 - widestSpan);
    const std::int32_t firstRow = std::max(0, cells.row0 - tallestSpan);
    for (std::int32_t column = firstColumn; column <= cells.column1; ++column) {
        for (std::int32_t row = firstRow; row <= cells.row1; ++row) {
            take(grid[static_cast<std::size_t>(column * gridRows + row)]);
        }
    }
    take(unfiled);
    for (std::size_t word = lowWord; word <= highWord && word < marks.size(); ++word) {
        while (marks[word] != 0) {
            const int bit = __builtin_ctzll(marks[word]);
            out.push_back(static_cast<std::int32_t>(word * wordBits + static_cast<std::size_t>(bit)));
            marks[word] &= marks[word] - 1;
        }
    }
}
