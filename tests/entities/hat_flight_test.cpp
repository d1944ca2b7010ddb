// The hat's flight and gas meter, frame by frame with 16 ms frames: thrust, gravity by height, drag,
// speed limits, both steering schemes, pressure growth, the cost of thrust and the burst.
#include <gtest/gtest.h>

#include <cmath>

#include "entities/dust_effect.hpp"
#include "entities/ember_effect.hpp"
#include "entities/hat_fixture.hpp"
#include "entities/puff_effect.hpp"
#include "entities/shard_effect.hpp"

using namespace testing_support;

namespace {

constexpr float halfPi = 1.5707964f;
constexpr float twoPi = 6.2831855f;
constexpr int puffSound = 1;

using HatFlightTest = HatFixture;

TEST_F(HatFlightTest, StartsUprightInTheMiddleOfTheWindowWithHalfAMeterOfGas)
{
    EXPECT_EQ(hat.position.x, 385.0f);
    EXPECT_EQ(hat.position.y, 285.0f);
    EXPECT_EQ(hat.getWidth(), 30.0f);
    EXPECT_EQ(hat.type, -2);
    EXPECT_TRUE(hat.solid);
    EXPECT_EQ(hat.angle, halfPi);
    EXPECT_EQ(hat.pressure, 5000);
    EXPECT_EQ(hat.capacity, 10000);
    EXPECT_EQ(hat.failedAt, 0xFFFFFFFFu);
    hat.kill(&engine);
    EXPECT_TRUE(hat.alive) << "nothing kills the hat";
}

TEST_F(HatFlightTest, ThrustGravityAndDragOfOneFrame)
{
    // Upright at mid height: thrust -13.6, gravity (150.9 + 175) x 0.016, drag 0.8 against the climb.
    hat.position.y = 400.0f;
    hat.keyThrust = true;
    frames();
    EXPECT_NEAR(hat.velocityY, -13.6f + 5.2144f + 0.8f, 1e-4f);
    EXPECT_EQ(hat.velocityX, 0.0f) << "the sideways crumb of cos(pi/2) is dragged to exactly 0";
    EXPECT_NEAR(hat.position.y, 400.0f + 0.016f * hat.velocityY, 1e-4f) << "the new speed moves the hat this frame";
    EXPECT_EQ(hat.pressure, 5000 + 18 - 40);

    // The pull is 500.9 at and above the level top, 150.9 at and below its bottom; drag takes 0.8.
    hat.keyThrust = false;
    const std::pair<float, float> pulls[] = {{-10.0f, 500.9f}, {0.0f, 500.9f}, {800.0f, 150.9f}, {900.0f, 150.9f}};
    for (const auto& [y, pull] : pulls) {
        hat.velocityY = 0.0f;
        hat.position.y = y;
        frames();
        EXPECT_NEAR(hat.velocityY, pull * 0.016f - 0.8f, 1e-4f) << "at y " << y;
    }
}

TEST_F(HatFlightTest, DragStopsSlowDriftAndSpeedsAreCutBeforeDrag)
{
    const std::pair<float, float> drifts[] = {{0.05f, 0.0f}, {-0.1f, 0.0f}, {0.1f, 0.0f}, {0.11f, 0.11f - 0.28f},
                                              {-3.0f, -3.0f + 0.28f}};
    for (const auto& [before, after] : drifts) {
        hat.velocityX = before;
        frames();
        EXPECT_NEAR(hat.velocityX, after, 1e-6f) << "from " << before;
        EXPECT_TRUE(after != 0.0f || hat.velocityX == 0.0f) << "a dead-band speed becomes exactly 0";
    }

    hat.position.y = 400.0f;
    hat.velocityX = 1000.0f;
    hat.velocityY = -1000.0f;
    frames();
    EXPECT_FLOAT_EQ(hat.velocityX, 450.0f - 0.28f);
    EXPECT_FLOAT_EQ(hat.velocityY, -450.0f + 0.8f) << "gravity acts before the limit";
    hat.velocityX = -1000.0f;
    frames();
    EXPECT_FLOAT_EQ(hat.velocityX, -450.0f + 0.28f);
}

TEST_F(HatFlightTest, EasySteeringTurnsTheTailDirectlyAndWrapsTheAngle)
{
    hat.keyRight = true;
    frames();
    EXPECT_NEAR(hat.angle, halfPi + 0.0448f, 1e-6f);
    hat.keyLeft = true;
    frames();
    EXPECT_NEAR(hat.angle, halfPi + 0.0448f, 1e-6f) << "both keys cancel";
    hat.keyRight = false;
    frames();
    EXPECT_NEAR(hat.angle, halfPi, 1e-6f);
    EXPECT_EQ(hat.angularVelocity, 0.0f) << "easy mode never spins";

    hat.angle = 0.02f;
    frames();
    EXPECT_NEAR(hat.angle, 0.02f - 0.0448f + twoPi, 1e-5f);
    hat.keyLeft = false;
    hat.keyRight = true;
    hat.angle = 6.27f;
    frames();
    EXPECT_NEAR(hat.angle, 6.27f + 0.0448f - twoPi, 1e-5f);

    // Thrust goes away from the tail: a tail to the right pushes left.
    hat.keyRight = false;
    hat.angle = 0.0f;
    hat.keyThrust = true;
    frames();
    EXPECT_NEAR(hat.velocityX, -13.6f + 0.28f, 1e-4f);
}

TEST_F(HatFlightTest, HardSteeringSpinsAndSwingsBackUpright)
{
    hat.hardMode = true;
    hat.keyLeft = true;
    frames();
    // The key's 0.064, damped by 0.99, no righting at upright, then the angular drag 0.0016.
    EXPECT_NEAR(hat.angularVelocity, 0.064f * 0.99f - 0.0016f, 1e-6f);
    EXPECT_NEAR(hat.angle, halfPi + 0.016f * 0.064f * 0.99f, 1e-6f) << "the spin turns the hat in the same frame";

    hat.keyRight = true;
    const float spin = hat.angularVelocity;
    hat.angle = halfPi;
    frames();
    EXPECT_NEAR(hat.angularVelocity, spin * 0.99f - 0.0016f, 1e-6f) << "both keys cancel";

    // Tail below the horizon: pulled back towards straight down. Above it: pushed away from straight up.
    hat.keyLeft = false;
    hat.keyRight = false;
    const std::pair<float, float> swings[] = {
        {2.0f, -(2.0f - halfPi) * 0.016f + 0.0016f},
        {1.0f, (halfPi - 1.0f) * 0.016f - 0.0016f},
        {4.0f, (4.0f - 3.0f * halfPi) * 0.016f + 0.0016f},
        {5.0f, (5.0f - 3.0f * halfPi) * 0.016f - 0.0016f},
    };
    for (const auto& [angle, spinAfter] : swings) {
        hat.angle = angle;
        hat.angularVelocity = 0.0f;
        frames();
        EXPECT_NEAR(hat.angularVelocity, spinAfter, 1e-6f) << "from angle " << angle;
    }

    hat.angularVelocity = 0.0005f;
    hat.angle = halfPi;
    frames();
    EXPECT_EQ(hat.angularVelocity, 0.0f) << "a spin inside the dead band stops";
}

TEST_F(HatFlightTest, PressureGrowsEighteenAFrameAndBurstsTheHatAtFrame278)
{
    for (int frame = 1; frame <= 277; ++frame) {
        frames();
        ASSERT_EQ(hat.pressure, 5000 + 18 * frame) << "frame " << frame;
        ASSERT_FALSE(hat.failed) << "frame " << frame;
    }
    EXPECT_EQ(effectCount(), 0u);
    frames();
    EXPECT_EQ(hat.pressure, 10000) << "never above the capacity";
    EXPECT_TRUE(hat.failed);
    EXPECT_EQ(hat.failedAt, engine.timer->lastTicks);
    EXPECT_EQ(effectsOf<ShardEffect>(), 80);
    EXPECT_EQ(heard(), (std::array<int, 8>{})) << "a burst makes no sound";

    // Burst: frozen where it blew up, deaf to keys, but the clock runs on until the goal.
    const Vector3 at = hat.position;
    const std::int32_t time = hat.levelTime;
    hat.keyThrust = true;
    hat.keyLeft = true;
    engine.timer->frameCount = 120;
    frames(3);
    EXPECT_EQ(hat.position.x, at.x);
    EXPECT_EQ(hat.position.y, at.y);
    EXPECT_EQ(hat.angle, halfPi);
    EXPECT_EQ(hat.pressure, 10000);
    EXPECT_EQ(effectCount(), 80u) << "no more embers, puffs or shards";
    EXPECT_EQ(hat.levelTime, time + 48);
    hat.goalReached = true;
    frames();
    EXPECT_EQ(hat.levelTime, time + 48);
}

TEST_F(HatFlightTest, HardModeGrowsTwentyAFrame)
{
    hat.hardMode = true;
    frames(2);
    EXPECT_EQ(hat.pressure, 5040);
}

TEST_F(HatFlightTest, ThrustNeedsMoreGasThanTheFrameLasts)
{
    // Growth comes first: -8 becomes 10 at the thrust check, 2 becomes 20.
    hat.position.y = 400.0f;
    hat.keyThrust = true;
    hat.pressure = -8;
    frames();
    EXPECT_EQ(hat.pressure, 10) << "10 is not above 16: refused, nothing spent";
    EXPECT_NEAR(hat.velocityY, 5.2144f - 0.8f, 1e-3f) << "no push";

    hat.velocityY = 0.0f;
    hat.pressure = 2;
    frames();
    EXPECT_EQ(hat.pressure, 0) << "20 - 40 is floored at 0";
    EXPECT_LT(hat.velocityY, -7.0f);
}

TEST_F(HatFlightTest, PuffsWithSoundEveryFifteenthThrustFrameAndEmbersEveryEighthFrame)
{
    struct Case {
        std::uint32_t frameCount;
        bool thrust;
        int puffs;
        int embers;
    };
    const Case cases[] = {{30, true, 1, 0}, {30, false, 0, 0}, {16, true, 0, 1}, {16, false, 0, 1},
                          {120, true, 1, 1}, {17, true, 0, 0}};
    for (const Case& c : cases) {
        engine.effects->clear();
        sounds->clear();
        engine.timer->frameCount = c.frameCount;
        hat.keyThrust = c.thrust;
        hat.pressure = 5000;
        frames();
        EXPECT_EQ(effectsOf<PuffEffect>(), c.puffs) << "frame " << c.frameCount << " thrust " << c.thrust;
        EXPECT_EQ(effectsOf<EmberEffect>(), c.embers) << "frame " << c.frameCount << " thrust " << c.thrust;
        EXPECT_EQ(sounds->plays(puffSound), c.puffs) << "frame " << c.frameCount;
    }

    // Effects leave from the tail, 30 px from the centre along the angle (the hat is upright).
    engine.effects->clear();
    hat.position.set(100.0f, 200.0f, 0.0f);
    hat.keyThrust = false;
    engine.timer->frameCount = 8;
    frames();
    ASSERT_EQ(effectCount(), 1u);
    const Effect& ember = *engine.effects->effects.front();
    EXPECT_EQ(ember.position.x + ember.width / 2, static_cast<int>(hat.getCenterX()));
    EXPECT_EQ(ember.position.y + ember.height / 2, static_cast<int>(hat.getCenterY() + 30.0f));
}

}  // namespace
