// The hat's steering and gas meter: both turning keys, pressure growth, the cost of thrust and the
// burst. (Its flight numbers are replayed frame for frame by the level tracks.)
#include <gtest/gtest.h>

#include "entities/hat_fixture.hpp"
#include "entities/puff_effect.hpp"
#include "entities/shard_effect.hpp"

using namespace testing_support;

namespace {

constexpr float halfPi = 1.5707964f;
constexpr int puffSound = 1;

using HatFlightTest = HatFixture;

TEST_F(HatFlightTest, BothTurningKeysCancelInEitherMode)
{
    hat.keyLeft = true;
    hat.keyRight = true;
    frames();
    EXPECT_NEAR(hat.angle, halfPi, 1e-6f);
    hat.keyRight = false;
    hat.angle = 0.02f;
    frames();
    EXPECT_NEAR(hat.angle, 0.02f - 0.0448f + 6.2831855f, 1e-5f) << "wrapped into 0 to 2 pi";

    hat.hardMode = true;
    hat.keyRight = true;
    hat.angle = halfPi;
    frames();
    EXPECT_EQ(hat.angularVelocity, 0.0f);
}

TEST_F(HatFlightTest, PressureGrowsEighteenAFrameAndBurstsTheHatAtFrame278)
{
    for (int frame = 1; frame <= 277; ++frame) {
        frames();
        ASSERT_EQ(hat.pressure, 5000 + 18 * frame) << "frame " << frame;
    }
    ASSERT_FALSE(hat.failed);
    frames();
    EXPECT_EQ(hat.pressure, 10000) << "never above the capacity";
    EXPECT_TRUE(hat.failed);
    EXPECT_EQ(hat.failedAt, engine.timer->lastTicks);
    EXPECT_EQ(effectsOf<ShardEffect>(), 80);
    EXPECT_EQ(sounds->totalPlays(), 0) << "a burst makes no sound";

    // Frozen where it blew up, deaf to keys, but the clock runs on until the goal.
    const float y = hat.position.y;
    const std::int32_t time = hat.levelTime;
    hat.keyThrust = true;
    engine.timer->frameCount = 120;
    frames(3);
    EXPECT_EQ(hat.position.y, y);
    EXPECT_EQ(engine.effects->effects.size(), 80u) << "no embers or puffs";
    EXPECT_EQ(hat.levelTime, time + 48);
    hat.goalReached = true;
    frames();
    EXPECT_EQ(hat.levelTime, time + 48);
}

TEST_F(HatFlightTest, ThrustNeedsMoreGasThanTheFrameLastsAndPuffsEveryFifteenthFrame)
{
    // Growth comes first: -8 becomes 10 at the thrust check, 2 becomes 20.
    hat.keyThrust = true;
    hat.pressure = -8;
    frames();
    EXPECT_EQ(hat.pressure, 10) << "10 is not above 16: refused";
    hat.pressure = 2;
    frames();
    EXPECT_EQ(hat.pressure, 0) << "20 - 40 is floored at 0";

    hat.hardMode = true;
    hat.pressure = 5000;
    engine.timer->frameCount = 30;
    frames();
    EXPECT_EQ(hat.pressure, 5000 + 20 - 40);
    EXPECT_EQ(effectsOf<PuffEffect>(), 1);
    EXPECT_TRUE(heardOnly(puffSound));
    engine.timer->frameCount = 31;
    frames();
    EXPECT_EQ(effectsOf<PuffEffect>(), 1);
}

}  // namespace
