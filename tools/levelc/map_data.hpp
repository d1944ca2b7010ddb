// One level as its map file holds it: the version, the five grids and the background style,
// with the tables that say what a grid value may be.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/rect.hpp"

struct MapData {
    static constexpr int columns = 375;
    static constexpr int rows = 25;
    static constexpr int cellPixels = 32;
    static constexpr int gridCells = columns * rows;
    static constexpr int fileBytes = 4 + 5 * gridCells + 1;
    static constexpr int backgroundStyleCount = 5;

    // Column by column, as the file stores them.
    using Grid = std::array<std::int8_t, gridCells>;

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

constexpr int objectKindCount = 8;
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

constexpr int startPointKind = 0;
constexpr int toiletKind = 1;

// The grid letter of an object value, or 0 when the value places no object kind.
char objectLetter(std::int8_t value);
// The object value of a grid letter, or 0 when the letter is no object.
std::int8_t objectValue(char letter);
