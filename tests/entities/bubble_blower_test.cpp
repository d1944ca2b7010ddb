// The blower's cycle: when a cycle starts, the blowing window and frames, the bubbles' start and
// speed by direction, and the walk.
#include <gtest/gtest.h>

#include "entities/blown_bubble.hpp"
#include "entities/bubble_blower.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

class BlowerTest : public ObjectTest {
protected:
    BubbleBlower* blower = nullptr;
    void SetUp() override
    {
        ObjectTest::SetUp();
        world.spawnObject(320, 200, typeId(EntityType::BubbleBlower));
        blower = static_cast<BubbleBlower*>(*world.objects.begin());
    }
    std::size_t blownAt(std::uint32_t now, std::uint32_t frameCount)
    {
        at(now, frameCount);
        const std::size_t before = ofType(EntityType::BlownBubble).size();
        blower->update(&engine);
        return ofType(EntityType::BlownBubble).size() - before;
    }
};

TEST_F(BlowerTest, BlowsOnlyOnEveryThirtiethFrameStrictlyInsideItsWindow)
{
    EXPECT_EQ(blower->height, 182.0f);
    EXPECT_TRUE(blower->solid);
    EXPECT_EQ(blower->groundY, 200);
    at(7500);
    blower->update(&engine);
    EXPECT_EQ(blower->cycleStart, 0u) << "a cycle starts strictly after 7500 ms";
    const std::uint32_t start = 7501;
    EXPECT_EQ(blownAt(start, 1), 0u);
    ASSERT_EQ(blower->cycleStart, start);
    ASSERT_TRUE(blower->movingRight);

    EXPECT_EQ(blownAt(start + 1380, 30), 0u) << "not at exactly 1380 ms";
    EXPECT_EQ(blownAt(start + 1381, 31), 0u) << "not on a frame off the thirties";
    EXPECT_EQ(blownAt(start + 1381, 60), 1u);
    EXPECT_EQ(blownAt(start + 2699, 90), 1u);
    EXPECT_EQ(blownAt(start + 2700, 120), 0u) << "not at exactly 2700 ms";

    const auto* bubble = static_cast<const BlownBubble*>(ofType(EntityType::BlownBubble).front());
    EXPECT_EQ(bubble->phase, 500.0f) << "blown the way the blower faces";
    // Centred on (int(centre x), int(top + 25)); the blower walked a little before its first cycle.
    EXPECT_EQ(bubble->position.x, static_cast<float>(static_cast<int>(blower->getCenterX()) - 20));
    EXPECT_EQ(bubble->position.y, 200.0f + 25.0f - 20.0f);
}

TEST_F(BlowerTest, WalksFromThreeSecondsInAndTurnsAndBlowsTheOtherWayNextCycle)
{
    at(8000);
    blower->update(&engine);
    ASSERT_TRUE(blower->movingRight);
    at(10999);
    blower->update(&engine);
    EXPECT_EQ(blower->position.x, 320.0f) << "still standing";
    at(11000);
    blower->update(&engine);
    EXPECT_FLOAT_EQ(blower->position.x, 320.0f + 40.0f * 0.016f);

    EXPECT_EQ(blownAt(15501, 1), 0u);
    EXPECT_EQ(blower->cycleStart, 15501u);
    EXPECT_FALSE(blower->movingRight);
    EXPECT_EQ(blownAt(15501 + 2000, 30), 1u);
    EXPECT_EQ(static_cast<const BlownBubble*>(ofType(EntityType::BlownBubble).back())->phase, -500.0f);
}

}  // namespace
