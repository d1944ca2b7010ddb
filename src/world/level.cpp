#include "world/level.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/game_engine.hpp"
#include "entities/entity.hpp"
#include "graphics/sprite.hpp"
#include "graphics/tables.hpp"
#include "world/layer_geometry.hpp"
#include "world/world.hpp"

namespace {

constexpr std::int32_t floorRows = 2;
constexpr std::int8_t solidCell = 1;
constexpr std::int32_t versionBytes = 4;
constexpr float cellFactor = 1.0f / static_cast<float>(Level::cellPixels);

static_assert(foregroundPictureCount == std::tuple_size<decltype(TextureSet::foreground)>::value);
static_assert(parallaxPictureCount == std::tuple_size<decltype(TextureSet::parallax)>::value);
static_assert(collisionPictureCount == std::tuple_size<decltype(TextureSet::collision)>::value);

// A picture layer: where its pieces go and how big each picture is.
struct PieceLayer {
    LinkedList<LevelPiece>* pieces = nullptr;
    const Rect* sizes = nullptr;
    std::int32_t sizeCount = 0;
};

template <std::size_t N>
PieceLayer pieceLayer(LinkedList<LevelPiece>& pieces, const std::array<Rect, N>& sizes)
{
    return PieceLayer{&pieces, sizes.data(), static_cast<std::int32_t>(N)};
}

PieceLayer pieceLayerOf(Level& level, std::int32_t layer)
{
    switch (layer) {
    case Level::foregroundLayer: return pieceLayer(level.foregroundPieces, foregroundRects);
    case Level::collisionLayer: return pieceLayer(level.collisionPieces, collisionRects);
    case Level::parallaxLayer: return pieceLayer(level.parallaxPieces, parallaxRects);
    default: return PieceLayer{};
    }
}

// Not-a-number and coordinates beyond int lie outside every level.
std::int32_t truncated(float value)
{
    constexpr float intLimit = 2147483648.0f;
    if (!(value > -intLimit)) {
        return INT32_MIN;
    }
    if (value >= intLimit) {
        return INT32_MAX;
    }
    return static_cast<std::int32_t>(value);
}

bool readBlock(const char* path, std::array<std::uint8_t, Level::fileBytes>& block)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return false;
    }
    // A short file keeps zeros where its bytes are missing; only a read error fails.
    const std::size_t bytesRead = std::fread(block.data(), 1, block.size(), file);
    const bool failed = bytesRead < block.size() && std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

template <std::size_t N>
void drawPieceList(const LinkedList<LevelPiece>& pieces, const std::array<std::uint32_t, N>& family,
                   Rect (*destination)(Rect area, Rect view))
{
    glColor3f(1.0f, 1.0f, 1.0f);
    for (const LevelPiece* piece : pieces) {
        const Rect& area = piece->area;
        if (isOnScreen(area.x, area.y, area.w, area.h)) {
            drawSprite(destination(area, viewRect), family[static_cast<std::size_t>(piece->image)], wholeSheet, 0.0f,
                       1.0f);
        }
    }
}

}  // namespace

Level::Level()
{
    clear();
    for (std::int32_t column = 0; column < columns; ++column) {
        for (std::int32_t row = rows - floorRows; row < rows; ++row) {
            terrainGrid[static_cast<std::size_t>(cellIndex(column, row))] = solidCell;
        }
    }
    currentLayer = foregroundLayer;
}

Level::~Level() = default;

void Level::setWorld(World* owner)
{
    world = owner;
}

void Level::clear()
{
    for (Grid* grid : {&terrainGrid, &foregroundGrid, &pieceGrid, &parallaxGrid, &objectGrid}) {
        grid->fill(0);
    }
    backgroundStyle = 0;
    version = 1;
    parallaxPieces.clear();
    foregroundPieces.clear();
    collisionPieces.clear();
}

std::int32_t Level::load(const char* path)
{
    clear();
    if (path == nullptr) {
        return -1;
    }
    // A short file leaves the rest of the block zero: empty cells, style 0.
    std::array<std::uint8_t, fileBytes> block{};
    if (!readBlock(path, block)) {
        std::printf("Failed to load %s\n", path);
        return -1;
    }
    decode(block);
    placeAll();
    std::printf("Loaded %s\n", path);
    return 0;
}

void Level::decode(const std::array<std::uint8_t, fileBytes>& block)
{
    std::uint32_t rawVersion = 0;
    for (std::int32_t i = versionBytes - 1; i >= 0; --i) {
        rawVersion = (rawVersion << 8) | block[static_cast<std::size_t>(i)];
    }
    version = static_cast<std::int32_t>(rawVersion);
    std::size_t offset = versionBytes;
    for (Grid* grid : {&terrainGrid, &foregroundGrid, &pieceGrid, &parallaxGrid, &objectGrid}) {
        std::memcpy(grid->data(), block.data() + offset, grid->size());
        offset += grid->size();
    }
    backgroundStyle = static_cast<std::int8_t>(block[offset]);
}

void Level::placeAll()
{
    // Row by row from the top: objects reach the world in this order, and each piece list ends up
    // in the reverse of it.
    for (std::int32_t row = 0; row < rows; ++row) {
        for (std::int32_t column = 0; column < columns; ++column) {
            placeLayer(parallaxLayer, parallaxGrid, column, row);
            placeLayer(foregroundLayer, foregroundGrid, column, row);
            placeLayer(collisionLayer, pieceGrid, column, row);
            placeLayer(objectLayer, objectGrid, column, row);
        }
    }
}

void Level::placeLayer(std::int32_t layer, const Grid& grid, std::int32_t column, std::int32_t row)
{
    currentLayer = layer;
    const std::int32_t value = grid[static_cast<std::size_t>(cellIndex(column, row))];
    if (value != 0) {
        placeCell(column, row, std::abs(value) - 1, value < 0);
    }
}

void Level::placeCell(std::int32_t column, std::int32_t row, std::int32_t index, bool mirrored)
{
    const std::int32_t x = column * cellPixels;
    const std::int32_t y = row * cellPixels;
    if (currentLayer == objectLayer) {
        if (world != nullptr) {
            world->spawnObject(x, y, index);
        }
        return;
    }
    const PieceLayer layer = pieceLayerOf(*this, currentLayer);
    // Picture numbers past the layer's table have no size and no picture.
    if (layer.pieces == nullptr || index < 0 || index >= layer.sizeCount) {
        return;
    }
    const Rect& size = layer.sizes[index];
    layer.pieces->pushFront(new LevelPiece{Rect{x, y, mirrored ? -size.w : size.w, size.h}, index});
}

bool Level::solidAt(std::int32_t column, std::int32_t row) const
{
    if (column < 0 || column >= columns || row < 0 || row >= rows) {
        return false;
    }
    return terrainGrid[static_cast<std::size_t>(cellIndex(column, row))] != 0;
}

bool Level::collides(const Entity* entity) const
{
    return cornersLeaveBounds(entity) || samplesTouchTerrain(entity);
}

bool Level::cornersLeaveBounds(const Entity* entity) const
{
    const std::int32_t left = std::min(bounds.x, bounds.x + bounds.w);
    const std::int32_t right = std::max(bounds.x, bounds.x + bounds.w);
    const std::int32_t top = std::min(bounds.y, bounds.y + bounds.h);
    const std::int32_t bottom = std::max(bounds.y, bounds.y + bounds.h);
    const float x = entity->getX();
    const float y = entity->getY();
    const float farX = entity->getWidth() + x;
    const float farY = entity->getHeight() + y;
    const std::array<float, 4> cornersX{x, farX, farX, x};
    const std::array<float, 4> cornersY{y, y, farY, farY};
    for (std::size_t i = 0; i < cornersX.size(); ++i) {
        const std::int32_t px = truncated(cornersX[i]);
        const std::int32_t py = truncated(cornersY[i]);
        // Edges are inside.
        if (px > right || px < left || py > bottom || py < top) {
            return true;
        }
    }
    return false;
}

bool Level::samplesTouchTerrain(const Entity* entity) const
{
    // Corners, edge midpoints and centre only: a box over 64 pixels can straddle a cell unseen.
    const float x = entity->getX();
    const float y = entity->getY();
    const float w = entity->getWidth();
    const float h = entity->getHeight();
    const std::array<std::int32_t, 3> sampleColumns{truncated(x * cellFactor), truncated((w * 0.5f + x) * cellFactor),
                                                    truncated((w + x) * cellFactor)};
    const std::array<std::int32_t, 3> sampleRows{truncated(y * cellFactor), truncated((h * 0.5f + y) * cellFactor),
                                                 truncated((h + y) * cellFactor)};
    for (const std::int32_t row : sampleRows) {
        for (const std::int32_t column : sampleColumns) {
            if (solidAt(column, row)) {
                return true;
            }
        }
    }
    return false;
}

void Level::drawBackground(GameEngine* engine)
{
    const BackgroundLook look = backgroundLook(backgroundStyle);
    const LevelFrame frame = levelFrame(viewRect, bounds);
    // The tint stays set for whatever draws next.
    glColor3f(look.tint.r, look.tint.g, look.tint.b);
    drawSprite(backgroundDestination(frame), engine->textures->jee[static_cast<std::size_t>(look.picture)],
               backgroundSource(viewRect, frame), 0.0f, 1.0f);
}

void Level::drawParallax(GameEngine* engine)
{
    // Visibility is tested on the unshifted area, as the pieces were placed.
    drawPieceList(parallaxPieces, engine->textures->parallax, parallaxDestination);
}

void Level::drawPieces(GameEngine* engine)
{
    drawPieceList(collisionPieces, engine->textures->collision, pieceDestination);

    const LevelFrame frame = levelFrame(viewRect, bounds);
    glLineWidth(frameLineWidth);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_LINE_STRIP);
    for (const ScreenPoint& point : framePoints(frame)) {
        glVertex2f(point.x, point.y);
    }
    glEnd();
    // Texturing stays off; the next drawSprite turns it on again.
}

void Level::drawForeground(GameEngine* engine)
{
    drawPieceList(foregroundPieces, engine->textures->foreground, pieceDestination);

    const OutsideFills fills = outsideFills(viewRect, bounds);
    glColor3f(outsideFillTint.r, outsideFillTint.g, outsideFillTint.b);
    glBindTexture(GL_TEXTURE_2D, engine->textures->jee[outsideFillPicture]);
    for (int i = 0; i < fills.count; ++i) {
        glBegin(GL_QUADS);
        for (const ScreenPoint& point : fills.quads[static_cast<std::size_t>(i)]) {
            glVertex2f(point.x, point.y);
        }
        glEnd();
    }
}
