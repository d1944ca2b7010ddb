// The effect list and its six kinds: start draws, whole-number speeds, spawning, expiry, the switch;
// and the fractions and pulses behind every fade: their bounds, their clamps and the signed clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <typeinfo>
#include <utility>
#include <vector>

#include "entities/bubble_effect.hpp"
#include "entities/dust_effect.hpp"
#include "entities/effect_manager.hpp"
#include "entities/ember_effect.hpp"
#include "entities/puff_effect.hpp"
#include "entities/rising_picture_effect.hpp"
#include "entities/shard_effect.hpp"
#include "entities/timing.hpp"
#include "object_test.hpp"

using testing_support::drawsTakenBy;

namespace {

constexpr std::uint32_t bornAt = 5000;
constexpr std::uint32_t now = 20000;

class EffectKindsTest : public ::testing::Test {
protected:
    void SetUp() override { engine.initHeadless(); }
    GameEngine engine;
    EffectManager manager;
};
using EffectManagerTest = EffectKindsTest;

TEST_F(EffectKindsTest, StartValuesComeFromTheRandomSequenceInOrder)
{
    // Each kind takes exactly its draws, so every later draw in the game stays where it was; where
    // a kind's draws could trade places, the draw one of its values names tells the order.
    const Vector3 at(100.0f, 100.0f, 0.0f);
    for (unsigned seed : {1u, 2u, 7u, 42u, 1234u, 99999u}) {
        SCOPED_TRACE(seed);
        EmberEffect aimed, ember;
        DustEffect dust;
        ShardEffect shard;
        RisingPictureEffect picture;
        std::vector<int> r = drawsTakenBy(seed, 5, [&] { aimed.startAimed(at, bornAt, 0.8f); });
        const double a = 0.8 + 0.7 * (0.06666667 * (r[2] % 15) - 0.5);
        EXPECT_EQ(aimed.reversed, static_cast<int>((0.1 * (r[1] % 10) - 0.5) * 150) >= 1)
            << "kept from the unaimed start";
        EXPECT_EQ(aimed.velocityY, static_cast<int>(0.1 * (r[4] % 10) * 200 * std::sin(a)));
        r = drawsTakenBy(seed, 2, [&] { ember.start(at, bornAt); });
        EXPECT_EQ(ember.velocityX, static_cast<int>((0.1 * (r[0] % 10) - 0.5) * 200));
        drawsTakenBy(seed, 1, [] { BubbleEffect().start(Vector3(100.5f, 100.0f, 0.0f), bornAt); });
        r = drawsTakenBy(seed, 2, [&] { dust.start(at, bornAt); });
        EXPECT_EQ(dust.velocityY, static_cast<int>(std::sin(2 * 0.01 * (r[1] % 100) * 3.1415927) *
                                                   ((0.01 * (r[0] % 100) - 0.5) * 200 + 30)));
        r = drawsTakenBy(seed, 3, [&] { shard.start(at, bornAt); });
        EXPECT_EQ(shard.picture, r[2] % 10);
        EXPECT_FLOAT_EQ(shard.rotation, static_cast<float>(2 * 0.01 * (r[1] % 100) * 3.1415927));
        r = drawsTakenBy(seed, 2, [&] { picture.start(at, bornAt); });
        EXPECT_EQ(picture.picture, r[1] % 10);
        drawsTakenBy(seed, 0, [] { PuffEffect().startAimed(Vector3(1.0f, 1.0f, 0.0f), bornAt, 0.8f); });
    }
}

TEST_F(EffectKindsTest, FallingEmbersGainSpeedInWholeSteps)
{
    EmberEffect ember;
    ember.start(Vector3(0.0f, 0.0f, 0.0f), bornAt);
    ember.velocityX = 100;
    ember.velocityY = -5;
    // +1.28 px/s per 16 ms frame, truncated toward zero: +2 while well below zero, +1 from -1 on.
    for (int expected : {-3, -1, 0, 1, 2, 3}) {
        const float y = ember.position.y;
        ASSERT_TRUE(ember.update(16));
        EXPECT_EQ(ember.velocityY, expected);
        EXPECT_FLOAT_EQ(ember.position.y, static_cast<float>(y + expected * 0.016)) << "moved at the new speed";
    }
    EXPECT_NEAR(ember.position.x, -16.0f + 6 * 1.6f, 1e-4);
    ember.elapsed = 1325;
    EXPECT_FLOAT_EQ(ember.look(&engine).alpha, 0.5f) << "fades from 1000 ms to 150 ms past its end";
}

TEST_F(EffectManagerTest,
       SpawnCreatesKindsOneToSixCentredAndExpiredEffectsLeaveAtTheirTurnAndSwitchedOffNothingNewAppears)
{
    for (int kind : {0, 7, -1, 100}) manager.spawn(10, 10, kind, now, 0.0f);
    EXPECT_TRUE(manager.effects.empty());
    for (int kind = 1; kind <= 6; ++kind) manager.spawn(400, 300, kind, now, 0.5f);
    ASSERT_EQ(manager.effects.size(), 6u);
    const std::type_info* expected[] = {&typeid(PuffEffect), &typeid(EmberEffect), &typeid(BubbleEffect),
                                        &typeid(DustEffect), &typeid(ShardEffect), &typeid(RisingPictureEffect)};
    for (std::size_t i = 0; i < 6; ++i) {
        const Effect& effect = *manager.effects[i];
        EXPECT_EQ(typeid(effect), *expected[i]);
        EXPECT_FLOAT_EQ(effect.position.x + static_cast<float>(effect.width / 2), 400.0f) << "centred";
        EXPECT_FLOAT_EQ(effect.position.y + static_cast<float>(effect.height / 2), 300.0f);
    }
    EXPECT_FLOAT_EQ(static_cast<const PuffEffect&>(*manager.effects[0]).rotation, 0.5f * 57.29f) << "aimed";

    manager.clear();
    for (int kind : {4, 1, 5, 1}) manager.spawn(0, 0, kind, now, 0.0f);  // dust 1000 ms, puff 350, shard 1800
    manager.update(400);
    ASSERT_EQ(manager.effects.size(), 2u);
    EXPECT_TRUE(typeid(*manager.effects[0]) == typeid(DustEffect) &&
                typeid(*manager.effects[1]) == typeid(ShardEffect));
    EXPECT_EQ(manager.effects[1]->elapsed, 400) << "the one after a removal is still updated";
    manager.update(700);
    EXPECT_EQ(manager.effects.size(), 1u) << "the dust has gone";

    manager.effectsOff = true;
    for (int kind = 1; kind <= 6; ++kind) manager.spawn(0, 0, kind, now, 0.0f);
    manager.update(700);
    EXPECT_EQ(manager.effects.size(), 1u) << "nothing new, and the shard runs on to its 1800 ms";
    manager.update(1);
    EXPECT_TRUE(manager.effects.empty());
}

// Alive at exactly its lifetime, gone 1 ms later, also across the wrap.
TEST_F(EffectManagerTest, EffectsBornJustBeforeTheClockWrapsLiveTheirFullTime)
{
    manager.spawn(0, 0, 1, 0xFFFFFF00u, 0.0f);
    manager.update(175);
    ASSERT_EQ(manager.effects.size(), 1u);
    EXPECT_NEAR(manager.effects[0]->look(&engine).alpha, 1.0f, 1e-5) << "the puff's fade runs across the wrap";
    manager.update(175);
    EXPECT_EQ(manager.effects.size(), 1u);
    manager.update(1);
    EXPECT_TRUE(manager.effects.empty());
}

constexpr std::uint32_t past2To31 = static_cast<std::uint32_t>(-50);  // a negative int as a start

TEST(TimingTest, FractionsAndPulsesHoldTheirBoundsAndReadTheStartAsSigned)
{
    // now, start, end, fraction. Born after the frame's clock counts as 0; a start past 2^31 ms is
    // before a small now, and a negative now before a small start.
    const struct {
        std::int32_t now;
        std::uint32_t start;
        std::int32_t end;
        float fraction;
    } fractions[] = {{1000, 1000u, 2000, 0.0f},   {1500, 1000u, 2000, 0.5f}, {2000, 1000u, 2000, 1.0f},
                     {900000, 1000u, 2000, 1.0f}, {500, 1000u, 2000, 0.0f},  {50, past2To31, 150, 0.5f},
                     {-5, 10u, 100, 0.0f}};
    for (const auto& c : fractions) {
        EXPECT_FLOAT_EQ(elapsedFraction(c.now, c.start, c.end), c.fraction) << c.now << " from " << c.start;
    }
    EXPECT_EQ(std::pair(clampedFraction(-7.0f, 1.0f, 3.0f), clampedFraction(30.0f, 1.0f, 3.0f)), std::pair(0.0f, 1.0f));
    EXPECT_FLOAT_EQ(clampedFraction(2.5f, 1.0f, 3.0f), 0.75f);

    for (std::int32_t outside : {99, 100, 200, 201})
        EXPECT_FLOAT_EQ(sinePulse(outside, 100u, 200, 1.0f), 0.0f) << outside;
    EXPECT_NEAR(sinePulse(125, 100u, 200, 1.0f), std::sqrt(0.5f), 1e-6);
    EXPECT_FLOAT_EQ(sinePulse(125, 100u, 200, 2.0f), 1.0f) << "gain pushes the sine past 1";
    EXPECT_FLOAT_EQ(sinePulse(150, 100u, 200, -1.0f), 0.0f) << "negative pulses are cut off";
    EXPECT_NEAR(sinePulse(50, past2To31, 150, 1.0f), std::sin(3.141592f * 0.5f), 1e-6);
}

}  // namespace
