// One level as its map file holds it: the version, the five grids and the background style,
// with the tables that say what a grid value may be.
#pragma once

#include <array>
#include <cstdint>

#include "entities/entity.hpp"
#include "graphics/rect.hpp"
#include "world/level.hpp"

struct MapData {
    static constexpr int columns = Level::columns;
    static constexpr int rows = Level::rows;
    static constexpr int cellPixels = Level::cellPixels;
    static constexpr int gridCells = Level::gridCells;
    static constexpr int fileBytes = Level::fileBytes;
    static constexpr int backgroundStyleCount = 5;

    // Column by column, as the file stores them.
    using Grid = Level::Grid;

    static int cellIndex(int column, int row) { return column * rows + row; }

    bool operator==(const MapData& other) const;

    std::int32_t version = 1;
    Grid terrain{};
    Grid foreground{};
    Grid pieces{};
    Grid parallax{};
    Grid objects{};
    std::int8_t backgroundStyle = 0;
};

// The three picture layers: a nonzero value is a picture number, negative when mirrored.
struct PictureLayer {
    const char* name;
    int pictureCount;
    const Rect* sizes;
    MapData::Grid MapData::*grid;
};

constexpr int pictureLayerCount = 3;
extern const std::array<PictureLayer, pictureLayerCount> pictureLayers;

// The factory's object kinds by type id; an object cell holds type id + 1, its sign unused by the
// game but kept: the upper-case letter stands for the positive value, the lower-case for the negative.
struct ObjectKind {
    char letter;
    const char* name;
};

constexpr int objectKindCount = levelObjectKindCount;
constexpr std::array<ObjectKind, objectKindCount> objectKinds = {{
    {'S', "start point"},
    {'T', "toilet"},
    {'W', "thrower"},
    {'V', "bubble vent"},
    {'B', "bubble blower"},
    {'D', "dropper"},
    {'U', "bumper"},
    {'F', "fading bumper"},
}};

static_assert(objectKinds[typeId(EntityType::StartPoint)].letter == 'S');
static_assert(objectKinds[typeId(EntityType::FadingBumper)].letter == 'F');

// The grid letter of an object value, or 0 when the value places no object kind.
char objectLetter(std::int8_t value);
// The object value of a grid letter, or 0 when the letter is no object.
std::int8_t objectValue(char letter);
