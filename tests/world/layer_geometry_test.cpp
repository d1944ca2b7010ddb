// Where the layer draws put the background, the frame, the parallax pieces and the outside fills.
#include <gtest/gtest.h>

#include <vector>

#include "world/layer_geometry.hpp"

namespace {

constexpr Rect levelBounds{0, 0, 12000, 800};

std::vector<int> asInts(Rect r) { return {r.x, r.y, r.w, r.h}; }

TEST(LayerGeometryTest, BackgroundFollowsTheViewAndShowsOnePointThreeTimesAsMuch)
{
    const Rect start{0, 0, 800, 600};
    const LevelFrame atStart = levelFrame(start, levelBounds);
    EXPECT_EQ(asInts(backgroundDestination(atStart)), (std::vector<int>{-1, -1, 801, 601}));
    EXPECT_EQ(asInts(backgroundSource(start, atStart)), (std::vector<int>{-1, -1, 1041, 781}));

    // 800 x 1.2999999523 is just under 1040: the float constant widened, not rounded to 1.3.
    const Rect corner{11200, 200, 800, 600};
    const LevelFrame atCorner = levelFrame(corner, levelBounds);
    EXPECT_EQ(asInts(backgroundDestination(atCorner)), (std::vector<int>{-1, -1, 800, 600}));
    EXPECT_EQ(asInts(backgroundSource(corner, atCorner)), (std::vector<int>{11199, 199, 1039, 779}));
    const auto frame = framePoints(atCorner);
    EXPECT_TRUE(frame[2].x == 800.0f && frame[2].y == 600.0f) << "the frame marks the level's right and bottom edges";

    EXPECT_EQ(asInts(backgroundDestination(levelFrame(Rect{-50, -30, 800, 600}, levelBounds))),
              (std::vector<int>{50, 30, 801, 601}));
}

TEST(LayerGeometryTest, ParallaxPiecesShiftByOnePointOneTimesTheViewAndOnlyScreenOutsideTheLevelIsFilled)
{
    const Rect view{4800, 100, 800, 600};
    EXPECT_EQ(asInts(parallaxDestination(Rect{5000, 300, 400, 400}, view)), (std::vector<int>{-280, 190, 400, 400}));

    EXPECT_EQ(outsideFills(Rect{11200, 200, 800, 600}, levelBounds).count, 0);
    const OutsideFills topLeft = outsideFills(Rect{-50, -30, 800, 600}, levelBounds);
    const OutsideFills bottomRight = outsideFills(Rect{11500, 300, 800, 600}, levelBounds);
    ASSERT_TRUE(topLeft.count == 2 && bottomRight.count == 2);
    EXPECT_TRUE(topLeft.quads[0][2].x == 50.0f && topLeft.quads[1][2].y == 30.0f);
    EXPECT_TRUE(bottomRight.quads[0][0].x == 500.0f && bottomRight.quads[1][0].y == 500.0f);
}

}  // namespace
