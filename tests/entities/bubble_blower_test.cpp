// The blower's cycle: when it starts, the blowing window and frames, the bubbles' start and speed
// by direction, and the walk.
#include <gtest/gtest.h>

#include "entities/blown_bubble.hpp"
#include "entities/bubble_blower.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

class BlowerTest : public ObjectTest {
protected:
    std::size_t blownAt(std::uint32_t now, std::uint32_t frameCount)
    {
        at(now, frameCount);
        const std::size_t before = ofType(EntityType::BlownBubble).size();
        blower.update(&engine);
        return ofType(EntityType::BlownBubble).size() - before;
    }
    float lastPhase() const { return static_cast<const Bubble*>(ofType(EntityType::BlownBubble).back())->phase; }

    BubbleBlower& blower = *place(new BubbleBlower(320, 200));
};

TEST_F(BlowerTest, BlowsOnEveryThirtiethFrameStrictlyInsideItsWindowTheWayItFaces)
{
    EXPECT_EQ(blownAt(7500, 1), 0u);
    EXPECT_EQ(blower.cycleStart, 0u) << "a cycle starts strictly after 7500 ms";
    const std::uint32_t start = 7501;
    EXPECT_EQ(blownAt(start, 1), 0u);
    ASSERT_TRUE(blower.movingRight);
    EXPECT_EQ(blownAt(start + 1380, 30), 0u) << "not at exactly 1380 ms";
    EXPECT_EQ(blownAt(start + 1381, 31), 0u) << "not on a frame off the thirties";
    EXPECT_EQ(blownAt(start + 1381, 60), 1u);
    EXPECT_EQ(lastPhase(), 500.0f);
    // Centred on (int(centre x), int(top + 25)); it walked a little before its first cycle.
    const Entity* bubble = ofType(EntityType::BlownBubble).back();
    EXPECT_EQ(bubble->position.x, static_cast<float>(static_cast<int>(blower.getCenterX()) - 20));
    EXPECT_EQ(bubble->position.y, 200.0f + 25.0f - 20.0f);
    EXPECT_EQ(blownAt(start + 2699, 90), 1u);
    EXPECT_EQ(blownAt(start + 2700, 120), 0u) << "not at exactly 2700 ms";

    const float x = blower.position.x;
    at(start + 2999);
    blower.update(&engine);
    EXPECT_EQ(blower.position.x, x) << "still standing";
    at(start + 3000);
    blower.update(&engine);
    EXPECT_FLOAT_EQ(blower.position.x, x + 40.0f * 0.016f);

    EXPECT_EQ(blownAt(start + 7501, 1), 0u);
    EXPECT_FALSE(blower.movingRight);
    EXPECT_EQ(blownAt(start + 7501 + 2000, 30), 1u);
    EXPECT_EQ(lastPhase(), -500.0f);
}

}  // namespace
