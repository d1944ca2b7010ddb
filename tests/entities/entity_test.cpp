// The entity base's box rules.
#include <gtest/gtest.h>

#include <cmath>

#include "support/probe_entity.hpp"

using testing_support::ProbeEntity;

namespace {

TEST(EntityTest, BoxesThatOnlyTouchOverlap)
{
    ProbeEntity left("left", 0, 0, 30);
    ProbeEntity right("right", 30, 0, 30);
    ProbeEntity corner("corner", 30, 30, 30);
    EXPECT_TRUE(left.overlaps(&right));
    EXPECT_TRUE(right.overlaps(&left));
    EXPECT_TRUE(left.overlaps(&corner));
    right.position.x = 30.01f;
    corner.position.y = 30.01f;
    EXPECT_FALSE(left.overlaps(&right));
    EXPECT_FALSE(right.overlaps(&left));
    EXPECT_FALSE(corner.overlaps(&left));
}

TEST(EntityTest, ViewRectTruncatesTheCentreTowardZeroAndAnglesHaveYDown)
{
    ProbeEntity entity("entity", 10.9f, -3.7f, 0);
    const Rect view = entity.getViewRect();
    EXPECT_EQ(view.x, 10 - 400);
    EXPECT_EQ(view.y, -3 - 300) << "not floored to -4";
    EXPECT_EQ(view.w, 800);
    EXPECT_EQ(view.h, 600);

    ProbeEntity box("box", 100, 100, 30);
    EXPECT_FLOAT_EQ(box.angleTo(115, 200), static_cast<float>(M_PI / 2)) << "straight below";
    EXPECT_FLOAT_EQ(box.angleTo(0, 115), static_cast<float>(M_PI));
}

}  // namespace
