// Where the layer draws put the background, the frame and the parallax pieces.
#include <gtest/gtest.h>

#include <vector>

#include "world/layer_geometry.hpp"

namespace {

constexpr Rect levelBounds{0, 0, 12000, 800};

std::vector<int> asInts(Rect r)
{
    return {r.x, r.y, r.w, r.h};
}

TEST(LayerGeometryTest, BackgroundFollowsTheViewShowingOnePointThreeTimesAsMuchAndParallaxPiecesShift)
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
    // Parallax pieces shift by 1.1 times the view.
    EXPECT_EQ(asInts(parallaxDestination(Rect{5000, 300, 400, 400}, Rect{4800, 100, 800, 600})),
              (std::vector<int>{-280, 190, 400, 400}));
}

}  // namespace
