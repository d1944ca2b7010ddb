// Bubbles: the blown drift, and their end on terrain, including in play with a hat held.
#include <gtest/gtest.h>

#include "entities/blown_bubble.hpp"
#include "entities/rising_bubble.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"

using namespace testing_support;

namespace {

class BubbleTest : public ObjectTest {};

TEST_F(BubbleTest, BubblesBlownEitherWayDriftAsFarAndThenStop)
{
    at(0);
    BlownBubble left(3000, 400);
    BlownBubble right(3000, 400);
    left.phase = -500.0f;
    right.phase = 500.0f;
    for (std::uint32_t now = 16; now < 5000; now += 16) {
        at(now);
        left.update(&engine);
        right.update(&engine);
        if (now == 16) {
            EXPECT_EQ(left.baseX, 2972) << "2980 - 500 * 0.016";
            EXPECT_FLOAT_EQ(left.phase, -400.0f);
        }
    }
    EXPECT_GT(right.baseX - 2980, 20);
    EXPECT_LT(right.baseX - 2980, 40);
    EXPECT_EQ(2980 - left.baseX, right.baseX - 2980) << "left " << left.baseX << ", right " << right.baseX;
}

TEST_F(BubbleTest, ABubbleRisingIntoTheCeilingDiesInItsOwnTurnAndLeavesAtItsNext)
{
    for (int column = 0; column < Level::columns; ++column) {
        world.level->terrainGrid[static_cast<std::size_t>(Level::cellIndex(column, 2))] = 1;
    }
    auto* hat = place(new StandInHat(200, 300));
    auto* bubble = place(new RisingBubble(220, 320));
    std::uint32_t frame = 1;
    for (; frame < 200 && bubble->alive; ++frame) {
        at(frame * 16, frame);
        hat->position = bubble->position;  // carried along, as the hat would be
        world.update(&engine);
    }
    ASSERT_FALSE(bubble->alive) << "never reached the ceiling";
    EXPECT_LT(bubble->position.y, 3.0f * 32.0f);
    EXPECT_EQ(hat->touched.back(), bubble) << "touching the hat did not end it";
    EXPECT_EQ(world.objects.size(), 2) << "still there for the hat to see it gone";
    at(frame * 16, frame);
    world.update(&engine);
    ASSERT_EQ(world.objects.size(), 1);
    EXPECT_EQ(*world.objects.begin(), hat);
}

}  // namespace
