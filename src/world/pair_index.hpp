// The world's broad phase: a uniform grid of the entity boxes of one update walk, so that an
// entity's turn looks only at the entities whose boxes could overlap its own, in list order. It
// keeps each box as last read, for the walk to test without reading the entity again: no kind
// overrides the box getters or `overlaps`, so the kept box decides as `overlaps` would.
//
// Entities are known by their place in the walk (0 for the first of the list, counting on through
// the entities added during the walk). Each is filed under the cell of its box's top-left corner,
// as `Entity::overlaps` reads the box, in one of a few grids by the box's size; a look-up in a grid
// reaches back as far as the widest and tallest box filed there, so it only ever skips entities
// whose boxes cannot meet, and small boxes are not looked for as far back as big ones. A box must
// be refreshed whenever it may have changed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "entities/entity.hpp"
#include "world/level.hpp"
#include "world/linked_list.hpp"

class PairIndex {
public:
    // Level pixels per grid cell; the grid covers the level and its outer cells hold everything
    // beyond its edges.
    static constexpr std::int32_t cellPixels = 64;
    // The grids by the most cells a box spans across or down, beyond its first; bigger boxes are
    // not filed, and every look-up meets them.
    static constexpr std::array<std::int32_t, 4> sizeClassSpans{1, 3, 7, 16};
    static constexpr std::int32_t gridColumns = (Level::columns * Level::cellPixels + cellPixels - 1) / cellPixels;
    static constexpr std::int32_t gridRows = (Level::rows * Level::cellPixels + cellPixels - 1) / cellPixels;

    // The cells a box covers. A box with a coordinate that is not a number may overlap anything.
    struct Cells {
        std::int32_t column0 = 0;
        std::int32_t column1 = -1;
        std::int32_t row0 = 0;
        std::int32_t row1 = -1;
        bool everywhere = false;
        bool operator==(const Cells& other) const
        {
            return column0 == other.column0 && column1 == other.column1 && row0 == other.row0 && row1 == other.row1 &&
                   everywhere == other.everywhere;
        }
        bool operator!=(const Cells& other) const { return !(*this == other); }
    };
    static Cells cellsOf(const Entity* entity);

    // What a box is made of: position, width and height, which the box getters of every kind
    // return as they are. Comparing these, without calls, tells whether a contact moved a box.
    struct Footprint {
        float x = 0.0f;
        float y = 0.0f;
        float width = 0.0f;
        float height = 0.0f;
        static Footprint of(const Entity* entity)
        {
            return Footprint{entity->position.x, entity->position.y, entity->width, entity->height};
        }
        // Not-a-number never compares equal, so such a box always counts as moved.
        bool operator!=(const Footprint& other) const
        {
            return !(x == other.x && y == other.y && width == other.width && height == other.height);
        }
    };

    // Every entity of the list, numbered in list order from 0.
    void rebuild(const LinkedList<Entity>& objects);
    // An entity that joins the list during the walk gets the next number.
    void append(Entity* entity);
    void remove(std::int32_t place);
    // Re-reads the entity's box after it may have moved or changed size.
    void refresh(std::int32_t place);
    void clear();

    // Whether the entity at `place` is the one the index knows there.
    bool holds(std::int32_t place, const Entity* entity) const;
    Entity* at(std::int32_t place) const { return entities[static_cast<std::size_t>(place)]; }
    const OverlapBox& boxAt(std::int32_t place) const { return boxes[static_cast<std::size_t>(place)]; }
    const Cells& cellsAt(std::int32_t place) const { return slots[static_cast<std::size_t>(place)].cells; }
    std::int32_t liveCount() const { return live; }
    // Counts every append, so a walk can tell that entities joined since it last asked.
    std::uint32_t appendCount() const { return appends; }

    // The places after `after`, other than `self`, whose boxes could meet a box with these cells,
    // in increasing order. Places of unfiled boxes are always among them.
    void candidates(const Cells& cells, std::int32_t after, std::int32_t self, std::vector<std::int32_t>& out);
    // The places after `after`, other than `self`, of live hats, in increasing order: all that an
    // entity meeting only hats needs to look at.
    void hatsAfter(std::int32_t after, std::int32_t self, std::vector<std::int32_t>& out) const;

private:
    struct Slot {
        Cells cells;
        bool live = false;
    };

    static Cells cellsOf(const OverlapBox& box);
    void enter(std::int32_t place);
    void leave(std::int32_t place);
    std::vector<std::int32_t>& listOf(const Cells& cells);

    // One size class: a list of places per cell, and how far its boxes reach beyond their first cell.
    struct SizeClass {
        std::vector<std::vector<std::int32_t>> cells =
            std::vector<std::vector<std::int32_t>>(static_cast<std::size_t>(gridColumns * gridRows));
        // The cells that became non-empty since the last clear (a cell may be named twice).
        std::vector<std::size_t> used;
        std::int32_t widestSpan = 0;
        std::int32_t tallestSpan = 0;
        std::int32_t filed = 0;
    };
    void take(const std::vector<std::int32_t>& places, std::int32_t after, std::int32_t self);

    std::vector<Slot> slots;
    // By place, apart from the slots: the walk reads them for every candidate.
    std::vector<OverlapBox> boxes;
    std::vector<Entity*> entities;
    std::array<SizeClass, sizeClassSpans.size()> classes;
    // Boxes that are not filed in a cell.
    std::vector<std::int32_t> unfiled;
    // Every hat's place, in increasing order.
    std::vector<std::int32_t> hats;
    std::vector<std::uint64_t> marks;
    std::size_t lowWord = 0;
    std::size_t highWord = 0;
    std::int32_t live = 0;
    std::uint32_t appends = 0;
};
