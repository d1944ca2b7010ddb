// The terrain test: the level rectangle by four corners, then nine sample cells of the grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "support/probe_entity.hpp"
#include "world/level.hpp"

using testing_support::ProbeEntity;

namespace {

class TerrainTest : public ::testing::Test {
protected:
    void SetUp() override { level.terrainGrid.fill(0); }

    bool collidesAt(float x, float y, float size = 30.0f)
    {
        ProbeEntity box("box", x, y, size);
        return level.collides(&box);
    }
    void makeSolid(int column, int row) { level.terrainGrid[static_cast<std::size_t>(column * 25 + row)] = 1; }

    Level level;
};

TEST_F(TerrainTest, SolidCellsUnderASamplePointStopAnEntity)
{
    EXPECT_FALSE(collidesAt(100, 100));
    makeSolid(3, 3);
    EXPECT_TRUE(collidesAt(100, 100)) << "the top-left corner lies in cell (3, 3)";
    EXPECT_TRUE(collidesAt(70, 70)) << "and so does the bottom-right one";
    EXPECT_FALSE(collidesAt(129, 100)) << "the cell ends at 128";

    // A 100 pixel box samples columns 0, 1 and 3: a solid column 2 between them goes unseen.
    std::fill_n(level.terrainGrid.begin() + 2 * 25, 25, 1);
    EXPECT_FALSE(collidesAt(0, 300, 100));
    EXPECT_TRUE(collidesAt(0, 300, 64));
}

TEST_F(TerrainTest, TheLevelRectangleIsAWallWithItsEdgesInside)
{
    EXPECT_FALSE(collidesAt(-0.5f, 100)) << "-0.5 truncates to 0";
    EXPECT_TRUE(collidesAt(-1.0f, 100));
    EXPECT_FALSE(collidesAt(11970, 100)) << "a right edge exactly on 12000 is inside";
    EXPECT_TRUE(collidesAt(11971, 100));
    EXPECT_FALSE(collidesAt(100, 770)) << "a bottom edge exactly on 800 is inside";
    EXPECT_TRUE(collidesAt(100, 771));
    EXPECT_TRUE(collidesAt(100, -1.0f));
    EXPECT_TRUE(collidesAt(std::numeric_limits<float>::quiet_NaN(), 100)) << "no number is nowhere inside";
    EXPECT_TRUE(collidesAt(100, 100, 1e20f)) << "beyond int is outside";
}

TEST_F(TerrainTest, SamplesOnTheFarEdgesLookPastTheGridAndFindFreeCells)
{
    level.terrainGrid.fill(1);
    level.foregroundGrid.fill(1);  // what lies in memory after the terrain grid
    EXPECT_FALSE(collidesAt(12000, 800, 0)) << "column 375 and row 25 count as free";
    EXPECT_TRUE(collidesAt(11999, 799, 1)) << "the samples left of and above the edge still count";
}

}  // namespace
