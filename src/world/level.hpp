// One level: the terrain grid and picture layers read from a fixed 46880-byte map file, the
// pieces its placement walk made, the terrain test, and the four layer draws.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/rect.hpp"
#include "world/level_piece.hpp"
#include "world/linked_list.hpp"

class Entity;
class GameEngine;
class World;

class Level {
public:
    static constexpr std::int32_t columns = 375;
    static constexpr std::int32_t rows = 25;
    static constexpr std::int32_t cellPixels = 32;
    static constexpr std::int32_t gridCells = columns * rows;
    // The level rectangle in pixels, which the camera never leaves.
    static constexpr std::int32_t widthPixels = columns * cellPixels;
    static constexpr std::int32_t heightPixels = rows * cellPixels;
    static constexpr std::int32_t fileBytes = 4 + 5 * gridCells + 1;
    static_assert(fileBytes == 46880, "the map file is an exact image of the level block");

    // Layer numbers of the placement walk.
    static constexpr std::int32_t foregroundLayer = 1;
    static constexpr std::int32_t collisionLayer = 2;
    static constexpr std::int32_t parallaxLayer = 3;
    static constexpr std::int32_t objectLayer = 4;

    // Grids are stored column by column: column i, row j is at i * rows + j.
    using Grid = std::array<std::int8_t, gridCells>;

    // An empty level with a floor two cells high.
    Level();
    virtual ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    virtual void setWorld(World* owner);

    // 0 when read, -1 when the file cannot be opened or read (the level is then empty, without floor).
    std::int32_t load(const char* path);
    void clear();
    // One nonzero cell of the current layer: a piece, or an object through the world's factory.
    void placeCell(std::int32_t column, std::int32_t row, std::int32_t index, bool mirrored);
    // Leaving the level rectangle counts as terrain.
    bool collides(const Entity* entity) const;

    void drawBackground(GameEngine* engine);
    void drawParallax(GameEngine* engine);
    void drawPieces(GameEngine* engine);
    void drawForeground(GameEngine* engine);

    static std::int32_t cellIndex(std::int32_t column, std::int32_t row) { return column * rows + row; }
    // Cells outside the grid are free: the level rectangle already decides at the edges.
    bool solidAt(std::int32_t column, std::int32_t row) const;

    Rect bounds{0, 0, widthPixels, heightPixels};
    World* world = nullptr;
    LinkedList<LevelPiece> foregroundPieces;
    LinkedList<LevelPiece> parallaxPieces;
    LinkedList<LevelPiece> collisionPieces;
    std::int32_t currentLayer = foregroundLayer;

    std::int32_t version = 1;
    Grid terrainGrid{};
    Grid foregroundGrid{};
    Grid pieceGrid{};
    Grid parallaxGrid{};
    Grid objectGrid{};
    std::int8_t backgroundStyle = 0;

private:
    void decode(const std::array<std::uint8_t, fileBytes>& block);
    void placeAll();
    void placeLayer(std::int32_t layer, const Grid& grid, std::int32_t column, std::int32_t row);
    bool cornersLeaveBounds(const Entity* entity) const;
    bool samplesTouchTerrain(const Entity* entity) const;
};
