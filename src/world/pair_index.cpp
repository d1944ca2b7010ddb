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

// The size class a box is filed in, or the number of classes when it is too big for any.
std::size_t sizeClassOf(const PairIndex::Cells& cells)
{
    const std::int32_t span = std::max(cells.column1 - cells.column0, cells.row1 - cells.row0);
    std::size_t index = 0;
    while (index < PairIndex::sizeClassSpans.size() && (cells.everywhere || span > PairIndex::sizeClassSpans[index])) {
        ++index;
    }
    return index;
}

}  // namespace

PairIndex::Cells PairIndex::cellsOf(const Entity* entity)
{
    return cellsOf(entity->overlapBox());
}

PairIndex::Cells PairIndex::cellsOf(const OverlapBox& box)
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
    boxes.clear();
    entities.clear();
    for (SizeClass& sizeClass : classes) {
        // Only the cells filed into since the last clear: emptying every cell of every grid each
        // walk cost more than the walk itself.
        for (const std::size_t cell : sizeClass.used) {
            sizeClass.cells[cell].clear();
        }
        sizeClass.used.clear();
        sizeClass.widestSpan = 0;
        sizeClass.tallestSpan = 0;
        sizeClass.filed = 0;
    }
    unfiled.clear();
    hats.clear();
    live = 0;
}

void PairIndex::rebuild(const LinkedList<Entity>& objects)
{
    clear();
    slots.reserve(static_cast<std::size_t>(objects.size()));
    boxes.reserve(static_cast<std::size_t>(objects.size()));
    entities.reserve(static_cast<std::size_t>(objects.size()));
    for (Entity* entity : objects) {
        append(entity);
    }
}

void PairIndex::append(Entity* entity)
{
    const auto place = static_cast<std::int32_t>(slots.size());
    const OverlapBox box = entity->overlapBox();
    slots.push_back(Slot{cellsOf(box), true});
    boxes.push_back(box);
    entities.push_back(entity);
    if (entity->type == typeId(EntityType::Hat)) {
        hats.push_back(place);
    }
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
    const OverlapBox box = at(place)->overlapBox();
    boxes[static_cast<std::size_t>(place)] = box;
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
           slots[static_cast<std::size_t>(place)].live && entities[static_cast<std::size_t>(place)] == entity;
}

std::vector<std::int32_t>& PairIndex::listOf(const Cells& cells)
{
    const std::size_t index = sizeClassOf(cells);
    if (index == classes.size()) {
        return unfiled;
    }
    return classes[index].cells[static_cast<std::size_t>(cells.column0 * gridRows + cells.row0)];
}

void PairIndex::enter(std::int32_t place)
{
    const Cells& cells = slots[static_cast<std::size_t>(place)].cells;
    std::vector<std::int32_t>& list = listOf(cells);
    const bool wasEmpty = list.empty();
    list.push_back(place);
    const std::size_t index = sizeClassOf(cells);
    if (index < classes.size()) {
        // Spans only grow within a walk: a look-up may reach back further than it needs to, never less.
        SizeClass& sizeClass = classes[index];
        if (wasEmpty) {
            sizeClass.used.push_back(static_cast<std::size_t>(cells.column0 * gridRows + cells.row0));
        }
        sizeClass.widestSpan = std::max(sizeClass.widestSpan, cells.column1 - cells.column0);
        sizeClass.tallestSpan = std::max(sizeClass.tallestSpan, cells.row1 - cells.row0);
        ++sizeClass.filed;
    }
}

void PairIndex::leave(std::int32_t place)
{
    const Cells& cells = slots[static_cast<std::size_t>(place)].cells;
    drop(listOf(cells), place);
    const std::size_t index = sizeClassOf(cells);
    if (index < classes.size()) {
        --classes[index].filed;
    }
}

void PairIndex::take(const std::vector<std::int32_t>& places, std::int32_t after, std::int32_t self)
{
    for (const std::int32_t place : places) {
        if (place > after && place != self) {
            const std::size_t word = static_cast<std::size_t>(place) / wordBits;
            marks[word] |= std::uint64_t{1} << (static_cast<std::size_t>(place) % wordBits);
            lowWord = std::min(lowWord, word);
            highWord = std::max(highWord, word);
        }
    }
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
    lowWord = marks.size();
    highWord = 0;
    for (const SizeClass& sizeClass : classes) {
        if (sizeClass.filed == 0) {
            continue;
        }
        // A box of this class that meets this one has its top-left corner at most the class's
        // widest (tallest) span before this box's first column (row), and not after its last.
        const std::int32_t firstColumn = std::max(0, cells.column0 - sizeClass.widestSpan);
        const std::int32_t firstRow = std::max(0, cells.row0 - sizeClass.tallestSpan);
        for (std::int32_t column = firstColumn; column <= cells.column1; ++column) {
            for (std::int32_t row = firstRow; row <= cells.row1; ++row) {
                take(sizeClass.cells[static_cast<std::size_t>(column * gridRows + row)], after, self);
            }
        }
    }
    take(unfiled, after, self);
    for (std::size_t word = lowWord; word <= highWord && word < marks.size(); ++word) {
        for (std::uint64_t bits = marks[word]; bits != 0; bits &= bits - 1) {
            out.push_back(static_cast<std::int32_t>(word * wordBits + static_cast<std::size_t>(__builtin_ctzll(bits))));
        }
        marks[word] = 0;
    }
}

void PairIndex::hatsAfter(std::int32_t after, std::int32_t self, std::vector<std::int32_t>& out) const
{
    out.clear();
    for (const std::int32_t place : hats) {
        if (place > after && place != self && slots[static_cast<std::size_t>(place)].live) {
            out.push_back(place);
        }
    }
}
