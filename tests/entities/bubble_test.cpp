// Rising and blown bubbles: their start, their rise and sway, the blown drift, and their end on
// terrain, including in play with a hat held.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "entities/blown_bubble.hpp"
#include "entities/rising_bubble.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"

using namespace testing_support;

namespace {

class BubbleTest : public ObjectTest {};

TEST_F(BubbleTest, BubblesAreCentredOnTheirPointWithAPhaseFromOneRandomDraw)
{
    at(1234);
    std::srand(7);
    const int draw = std::rand() % 50;
    std::srand(7);
    const RisingBubble rising(301, 200);
    EXPECT_EQ(rising.position.x, 281.0f);
    EXPECT_EQ(rising.position.y, 180.0f);
    EXPECT_EQ(rising.width, 40.0f);
    EXPECT_EQ(rising.baseX, 281);
    EXPECT_FLOAT_EQ(rising.phase, 0.04f * static_cast<float>(25 - draw));
    EXPECT_EQ(rising.bornAt, 1234u);
    EXPECT_EQ(rising.type, 101);
    EXPECT_TRUE(rising.solid);
    EXPECT_FALSE(rising.popped);
    EXPECT_EQ(rising.poppedAt, 0xFFFFFFFFu);
    EXPECT_EQ(BlownBubble(301, 200).type, 102);
}

TEST_F(BubbleTest, ARisingBubbleAcceleratesUpDampedAndSwaysWiderOverItsFirstSeconds)
{
    at(1000);
    RisingBubble bubble(300, 400);
    bubble.phase = 0.5f;
    at(1016);
    bubble.update(&engine);
    const float speed = (0.0f - 395.55f * 0.016f) * 0.95f;
    EXPECT_FLOAT_EQ(bubble.velocityY, speed);
    EXPECT_FLOAT_EQ(bubble.position.y, 380.0f + speed * 0.016f);
    const double widening = 16.0 / 2500.0;
    EXPECT_NEAR(bubble.position.x, 280.0 + 105.0 * widening * std::sin(0.5 - 1016 * 0.0016666667), 1e-3);
    at(4000);
    bubble.update(&engine);
    EXPECT_NEAR(bubble.position.x, 280.0 + 105.0 * std::sin(0.5 - 4000 * 0.0016666667), 1e-3) << "full sway";
}

TEST_F(BubbleTest, ABlownBubbleDriftsWithItsPhaseWhichDecaysByAFifthEachFrame)
{
    at(0);
    BlownBubble bubble(300, 400);
    bubble.phase = -500.0f;
    at(16);
    bubble.update(&engine);
    EXPECT_EQ(bubble.baseX, 272) << "280 - 500 * 0.016";
    EXPECT_FLOAT_EQ(bubble.phase, -400.0f);
    EXPECT_NEAR(bubble.position.x, 272.0 + 105.0 * (16.0 / 2500.0) * std::sin(-400.0 - 16 * 0.0016666667), 1e-3)
        << "the sway uses the decayed phase";
}

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
    }
    EXPECT_GT(right.baseX - 2980, 20);
    EXPECT_LT(right.baseX - 2980, 40);
    EXPECT_EQ(2980 - left.baseX, right.baseX - 2980) << "left " << left.baseX << ", right " << right.baseX;
}

TEST_F(BubbleTest, OnlyTerrainEndsABubble)
{
    StandInHat hat(0, 0);
    RisingBubble rising(100, 100);
    BlownBubble blown(100, 100);
    for (Bubble* bubble : {static_cast<Bubble*>(&rising), static_cast<Bubble*>(&blown)}) {
        EXPECT_FALSE(bubble->collide(&engine, &hat, world.level.get()));
        EXPECT_TRUE(bubble->alive);
        EXPECT_FALSE(bubble->collide(&engine, nullptr, world.level.get()));
        EXPECT_FALSE(bubble->alive);
    }
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
    EXPECT_EQ(world.objects.size(), 2) << "still there for the hat to see it gone";
    at(frame * 16, frame);
    world.update(&engine);
    ASSERT_EQ(world.objects.size(), 1);
    EXPECT_EQ(*world.objects.begin(), hat);
}

}  // namespace
