// Reading map files (the byte layout, the placement walk's pieces and objects, damaged files) and the
// terrain test: the level rectangle by four corners, then nine sample cells of the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "support/test_support.hpp"
#include "world/level_file.hpp"
#include "world/probe_world.hpp"

using namespace testing_support;
using Grid = LevelFile::Grid;

namespace {

using Area = std::array<std::int32_t, 4>;

std::vector<Area> areasOf(const LinkedList<LevelPiece>& pieces)
{
    std::vector<Area> areas;
    for (const LevelPiece* p : pieces) areas.push_back({p->area.x, p->area.y, p->area.w, p->area.h});
    return areas;
}

class LevelTest : public ::testing::Test {
protected:
    std::string load(const char* path)
    {
        return logOf([&] { result = level.load(path); });
    }
    std::string load(const LevelFile& file)
    {
        file.write("map.mp");
        return load("map.mp");
    }

    TempDir dir;
    ProbeWorld world;
    Level& level = *world.level;
    std::int32_t result = 0;
};

TEST_F(LevelTest, LoadReadsTheBlockColumnByColumnAndReplacesTheFloor)
{
    LevelFile file;
    file.setVersion(-123456).set(Grid::Terrain, 2, 5, 7).set(Grid::Terrain, 374, 24, -1).setStyle(3);
    EXPECT_EQ(load(file), "Loaded map.mp\n");
    EXPECT_EQ(std::make_tuple(result, level.version, level.backgroundStyle, level.terrainGrid[2 * 25 + 5]),
              std::make_tuple(0, -123456, 3, 7));
    EXPECT_TRUE(!level.solidAt(5, 2) && level.solidAt(374, 24) && !level.solidAt(0, 23));
}

TEST_F(LevelTest, PiecesTakeTheirCellAndTableSizeAndListTheWalkBackwards)
{
    LevelFile file;
    file.set(Grid::Foreground, 2, 5, -3).set(Grid::Parallax, 1, 1, 2);
    file.set(Grid::Pieces, 0, 0, 3).set(Grid::Pieces, 1, 0, 3).set(Grid::Pieces, 0, 1, -50);
    load(file);
    EXPECT_EQ(areasOf(level.foregroundPieces), (std::vector<Area>{{64, 160, -400, 400}})) << "mirrored";
    EXPECT_EQ((*level.foregroundPieces.begin())->image, 2);
    EXPECT_EQ(areasOf(level.parallaxPieces), (std::vector<Area>{{32, 32, 400, 400}}));
    // Drawn from the front: the lower row first, then column 1, and column 0 of row 0 on top.
    EXPECT_EQ(areasOf(level.collisionPieces), (std::vector<Area>{{0, 32, -128, 128}, {32, 0, 64, 64}, {0, 0, 64, 64}}));

    // Picture numbers past their table are skipped: only the last picture of each table is placed.
    load(LevelFile()
             .set(Grid::Foreground, 0, 0, 12)
             .set(Grid::Foreground, 1, 0, 13)
             .set(Grid::Foreground, 2, 0, -128)
             .set(Grid::Parallax, 0, 0, 5)
             .set(Grid::Parallax, 1, 0, 6)
             .set(Grid::Pieces, 0, 0, 50)
             .set(Grid::Pieces, 1, 0, 51));
    EXPECT_TRUE(level.foregroundPieces.size() == 1 && level.parallaxPieces.size() == 1);
    EXPECT_EQ(level.collisionPieces.size(), 1);
}

TEST_F(LevelTest, ObjectCellsReachTheFactoryRowByRowWhateverTheirSign)
{
    // Types 8 and 127 are no kinds.
    load(LevelFile()
             .set(Grid::Objects, 10, 20, 1)
             .set(Grid::Objects, 300, 3, -1)
             .set(Grid::Objects, 0, 20, 8)
             .set(Grid::Objects, 5, 5, 9)
             .set(Grid::Objects, 6, 6, -128));
    EXPECT_EQ(namesOf(world.objects), (std::vector<std::string>{"kind0@9600,96", "kind7@0,640", "kind0@320,640"}));
}

TEST_F(LevelTest, ANewLevelHasAFloorTwoCellsHighAndAFailedLoadLeavesAnEmptyLevelWithout)
{
    for (int x : {0, 374}) EXPECT_TRUE(!level.solidAt(x, 22) && level.solidAt(x, 23) && level.solidAt(x, 24)) << x;
    load(LevelFile().set(Grid::Pieces, 0, 0, 3).set(Grid::Terrain, 1, 1, 1).setStyle(4).setVersion(9));
    EXPECT_EQ(load("./data/maps/map99.mp"), "Failed to load ./data/maps/map99.mp\n");
    EXPECT_EQ(std::make_tuple(result, level.version, level.backgroundStyle, level.collisionPieces.size()),
              std::make_tuple(-1, 1, 0, 0));
    EXPECT_FALSE(level.solidAt(1, 1) || level.solidAt(0, 24));

    makeDirs("folder.mp");
    EXPECT_EQ(load("folder.mp"), "Failed to load folder.mp\n") << "opens, but cannot be read";
    EXPECT_EQ(result, -1);
}

TEST_F(LevelTest, ShortFilesReadAsIfTheMissingBytesWereZeroAndLongOnesAreCut)
{
    LevelFile file;
    file.setVersion(2).set(Grid::Terrain, 0, 3, 1).set(Grid::Foreground, 0, 0, 1).setStyle(2);
    file.bytes.resize(4 + 10);
    EXPECT_EQ(load(file), "Loaded map.mp\n");
    EXPECT_EQ(std::make_tuple(result, level.version, level.backgroundStyle, level.foregroundPieces.size()),
              std::make_tuple(0, 2, 0, 0));
    EXPECT_TRUE(level.solidAt(0, 3));

    file.bytes.assign(3, 0xFF);
    load(file);
    EXPECT_EQ(level.version, 0x00FFFFFF) << "even the version is only partly there";

    LevelFile longer = LevelFile().setStyle(1);
    longer.bytes.resize(Level::fileBytes + 100, 0x7F);
    load(longer);
    EXPECT_EQ(std::make_tuple(result, level.backgroundStyle), std::make_tuple(0, 1));
}

class TerrainTest : public ::testing::Test {
protected:
    void SetUp() override { level.terrainGrid.fill(0); }

    bool collidesAt(float x, float y, float size = 30.0f)
    {
        ProbeEntity box("box", x, y, size);
        return level.collides(&box);
    }

    Level level;
};

TEST_F(TerrainTest, SolidCellsUnderASamplePointStopAnEntityAndTheLevelRectangleIsAWallWithItsEdgesInside)
{
    EXPECT_FALSE(collidesAt(100, 100));
    level.terrainGrid[Level::cellIndex(3, 3)] = 1;
    EXPECT_TRUE(collidesAt(100, 100) && collidesAt(70, 70)) << "the top-left, then the bottom-right corner in (3, 3)";
    EXPECT_FALSE(collidesAt(129, 100)) << "the cell ends at 128";

    // A 100 pixel box samples columns 0, 1 and 3: a solid column 2 between them goes unseen.
    std::fill_n(level.terrainGrid.begin() + Level::cellIndex(2, 0), Level::rows, 1);
    EXPECT_FALSE(collidesAt(0, 300, 100));
    EXPECT_TRUE(collidesAt(0, 300, 64));

    // -0.5 truncates to 0; right and bottom edges exactly on 12000 and 800 are inside.
    EXPECT_FALSE(collidesAt(-0.5f, 100) || collidesAt(11970, 100) || collidesAt(100, 770));
    EXPECT_TRUE(collidesAt(-1.0f, 100) && collidesAt(11971, 100) && collidesAt(100, 771) && collidesAt(100, -1.0f));
    EXPECT_TRUE(collidesAt(std::numeric_limits<float>::quiet_NaN(), 100)) << "no number is nowhere inside";
    EXPECT_TRUE(collidesAt(100, 100, 1e20f)) << "beyond int is outside";

    level.terrainGrid.fill(1);
    level.foregroundGrid.fill(1);  // what lies in memory after the terrain grid
    EXPECT_FALSE(collidesAt(12000, 800, 0)) << "samples on the far edges: column 375 and row 25 count as free";
    EXPECT_TRUE(collidesAt(11999, 799, 1)) << "the samples left of and above the edge still count";
}

}  // namespace
