// Whether a level rectangle shows: corners only, edges inclusive, either direction of view size.
#include <gtest/gtest.h>

#include <limits>

#include "graphics/sprite.hpp"

namespace {

TEST(OnScreenTest, CornersInsideTheViewCountEdgesIncludedAndFarRectanglesDoNotWrapIntoIt)
{
    const Rect saved = viewRect;
    for (const Rect view : {Rect{0, 0, 800, 600}, Rect{800, 600, -800, -600}}) {
        viewRect = view;
        EXPECT_TRUE(isOnScreen(0, 0, 10, 10) && isOnScreen(800, 600, 5, 5) && isOnScreen(-5, -5, 5, 5));
        EXPECT_TRUE(isOnScreen(790, -20, 20, 20)) << "only the lower-left corner is inside";
        EXPECT_FALSE(isOnScreen(801, 0, 5, 5) || isOnScreen(0, 601, 5, 5));
        EXPECT_FALSE(isOnScreen(-100, -100, 1000, 800)) << "covers the view but no corner is in it";
        EXPECT_FALSE(isOnScreen(-10, 100, 1000, 10)) << "a band across the view";
    }
    viewRect = {3000, 200, 800, 600};
    EXPECT_TRUE(isOnScreen(3800, 800, 10, 10));
    EXPECT_FALSE(isOnScreen(0, 0, 10, 10));
    viewRect = {-10, -10, 800, 600};
    constexpr std::int32_t far = std::numeric_limits<std::int32_t>::max();
    EXPECT_FALSE(isOnScreen(far, 0, far, 10));
    viewRect = saved;
}

}  // namespace
