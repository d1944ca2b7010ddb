// The effect list and its six kinds: start draws, whole-number speeds, spawning, expiry, the switch;
// and the fractions and pulses behind every fade: their bounds, their clamps and the signed clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <tuple>
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

TEST_F(EffectKindsTest, EveryKindStartsWithItsSizeLifetimeAndFieldsFromItsDrawsInOrder)
{
    // Each kind takes exactly its draws, so every later draw in the game stays where it was. The
    // fields as written: b is the draw of the direction's half turn, the direction 2b.
    const Vector3 at(100.0f, 100.0f, 0.0f);
    for (unsigned seed : {1u, 7u, 42u, 1234u, 99999u}) {
        SCOPED_TRACE(seed);
        PuffEffect puff, aimedPuff;
        EmberEffect ember, aimed;
        BubbleEffect bubble;
        DustEffect dust;
        ShardEffect shard;
        RisingPictureEffect picture;
        drawsTakenBy(seed, 0, [&] {
            puff.start(at, bornAt);
            aimedPuff.startAimed(at, bornAt, 0.8f);
        });
        EXPECT_EQ(std::pair(puff.rotation, aimedPuff.rotation), std::pair(90.0f, 0.8f * 57.29f));

        std::vector<int> r = drawsTakenBy(seed, 2, [&] { ember.start(at, bornAt); });
        const int unaimedY = static_cast<int>((0.1 * (r[1] % 10) - 0.5) * 150);
        EXPECT_EQ(std::tuple(ember.velocityX, ember.velocityY, ember.reversed),
                  std::tuple(static_cast<int>((0.1 * (r[0] % 10) - 0.5) * 200), unaimedY, unaimedY >= 1));
        r = drawsTakenBy(seed, 5, [&] { aimed.startAimed(at, bornAt, 0.8f); });
        const double heading = 0.8 + 0.7 * (0.06666667 * (r[2] % 15) - 0.5);
        EXPECT_EQ(std::tuple(aimed.velocityX, aimed.velocityY, aimed.reversed),
                  std::tuple(static_cast<int>(0.1 * (r[3] % 10) * 200 * std::cos(heading)),
                             static_cast<int>(0.1 * (r[4] % 10) * 200 * std::sin(heading)),
                             static_cast<int>((0.1 * (r[1] % 10) - 0.5) * 150) >= 1))
            << "the speeds drawn after the spread; reversed kept from the unaimed start";

        r = drawsTakenBy(seed, 1, [&] { bubble.start(Vector3(100.5f, 100.0f, 0.0f), bornAt); });
        EXPECT_EQ(std::pair(bubble.baseX, bubble.velocityY), std::pair(84, static_cast<int>(0.1 * (r[0] % 10) * -300)))
            << "baseX: the left edge 100.5 - 16, truncated";

        r = drawsTakenBy(seed, 2, [&] { dust.start(at, bornAt); });
        double speed = (0.01 * (r[0] % 100) - 0.5) * 200 + 30;
        double b = 0.01 * (r[1] % 100) * 3.1415927;
        EXPECT_EQ(std::pair(dust.velocityX, dust.velocityY),
                  std::pair(static_cast<int>(std::cos(2 * b) * speed), static_cast<int>(std::sin(2 * b) * speed)));

        r = drawsTakenBy(seed, 3, [&] { shard.start(at, bornAt); });
        speed = (0.01 * (r[0] % 100) - 0.5) * 200 + 75;
        b = 0.01 * (r[1] % 100) * 3.1415927;
        EXPECT_EQ(std::tuple(shard.velocityX, shard.velocityY, shard.spinSpeed, shard.rotation, int{shard.picture}),
                  std::tuple(static_cast<int>(std::cos(2 * b) * speed), static_cast<int>(std::sin(2 * b) * speed),
                             static_cast<float>(2 * b * 360), static_cast<float>(2 * b), r[2] % 10));

        r = drawsTakenBy(seed, 2, [&] { picture.start(at, bornAt); });
        EXPECT_EQ(std::pair(picture.riseSpeed, picture.picture),
                  std::pair(static_cast<int>((0.01 * (r[0] % 100) + 0.5) * 500), r[1] % 10));

        // Size and lifetime by kind; the clock starts at the spawner's time.
        const std::tuple<const Effect*, int, std::uint32_t> kinds[] = {{&puff, 64, 350},    {&ember, 32, 1500},
                                                                       {&bubble, 32, 1500}, {&dust, 8, 1000},
                                                                       {&shard, 64, 1800},  {&picture, 256, 6000}};
        for (const auto& [effect, size, lifetime] : kinds) {
            EXPECT_EQ(std::tuple(effect->width, effect->height, effect->startTime, effect->endTime, effect->elapsed),
                      std::tuple(size, size, bornAt, bornAt + lifetime, 0))
                << typeid(*effect).name();
        }
    }
}

TEST_F(EffectKindsTest, EmbersTurnRedAgainstTheirSpinAndPuffsAgeFromTheRightCellToTheLeft)
{
    // velocity x, reversed, green at birth (k: 0.1 when flying against the turn, else 1), turn sign.
    const std::tuple<int, bool, float, float> embers[] = {{-5, false, 0.1f, 1.0f}, {5, false, 1.0f, 1.0f},
                                                          {0, false, 1.0f, 1.0f},  {-5, true, 1.0f, -1.0f},
                                                          {5, true, 0.1f, -1.0f},  {0, true, 1.0f, -1.0f}};
    for (const auto& [velocityX, reversed, green, turn] : embers) {
        EmberEffect ember;
        ember.start(Vector3(0.0f, 0.0f, 0.0f), bornAt);
        std::tie(ember.velocityX, ember.reversed) = std::tie(velocityX, reversed);
        EXPECT_EQ(std::pair(ember.look(&engine).green, ember.look(&engine).blue), std::pair(green, 0.0f))
            << velocityX << (reversed ? " reversed" : "");
        ember.elapsed = 550;  // the flare's pulse, over 1100 ms, at its top
        EXPECT_FLOAT_EQ(ember.look(&engine).angleDegrees, turn * 0.7f * 960.0f);
    }
    // The cell by age: 384 up to 0.4 of the 350 ms, 256 to 0.6, 128 to 0.8, then 0.
    PuffEffect puff;
    puff.startAimed(Vector3(0.0f, 0.0f, 0.0f), bornAt, 1.0f);
    const std::pair<int, int> cells[] = {{0, 384},   {140, 384}, {141, 256}, {210, 256},
                                         {211, 128}, {280, 128}, {281, 0},   {350, 0}};
    for (const auto& [age, x] : cells) {
        puff.elapsed = age;
        const EffectLook shown = puff.look(&engine);
        EXPECT_EQ(std::tuple(shown.source.x, shown.source.y, shown.source.w, shown.angleDegrees),
                  std::tuple(x, 0, 128, 57.29f))
            << age;
    }
}

TEST_F(EffectKindsTest, FallingEmbersAndDustGainSpeedInWholeStepsAndFadeOnTheirOwnClocks)
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

    // Dust falls faster by 350 px/s2, kept whole: 5.6 in 16 ms, 14 in 40, 35 in 100. It fades in
    // over 250 ms and out from 350 ms to its end at 1000.
    DustEffect dust;
    dust.start(Vector3(0.0f, 0.0f, 0.0f), bornAt);
    dust.velocityY = -3;
    for (const auto& [frameMs, expected] :
         {std::pair{16, 2}, std::pair{16, 7}, std::pair{40, 21}, std::pair{100, 56}}) {
        ASSERT_TRUE(dust.update(frameMs));
        EXPECT_EQ(dust.velocityY, expected);
    }
    for (const auto& [age, alpha] : {std::pair{125, 0.5f}, std::pair{300, 1.0f}, std::pair{675, 0.5f}}) {
        dust.elapsed = age;
        EXPECT_FLOAT_EQ(dust.look(&engine).alpha, alpha) << age;
    }
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
    for (const auto& c : fractions)
        EXPECT_FLOAT_EQ(elapsedFraction(c.now, c.start, c.end), c.fraction) << c.now << " from " << c.start;
    EXPECT_EQ(std::pair(clampedFraction(-7.0f, 1.0f, 3.0f), clampedFraction(30.0f, 1.0f, 3.0f)), std::pair(0.0f, 1.0f));
    EXPECT_FLOAT_EQ(clampedFraction(2.5f, 1.0f, 3.0f), 0.75f);

    for (std::int32_t outside : {99, 100, 200, 201})
        EXPECT_FLOAT_EQ(sinePulse(outside, 100u, 200, 1.0f), 0.0f) << outside;
    EXPECT_NEAR(sinePulse(125, 100u, 200, 1.0f), std::sqrt(0.5f), 1e-6);
    EXPECT_FLOAT_EQ(sinePulse(125, 100u, 200, 2.0f), 1.0f) << "gain pushes the sine past 1";
    EXPECT_FLOAT_EQ(sinePulse(150, 100u, 200, -1.0f), 0.0f) << "negative pulses are cut off";
    EXPECT_NEAR(sinePulse(50, past2To31, 150, 1.0f), 1.0f, 1e-6);
    // Near the end of a long pulse the written 3.141592 shows: sin(3.141592 x 0.999999) is about
    // pi - 3.141592 x 0.999999 = 3.795e-6, where pi itself would give 3.142e-6.
    EXPECT_NEAR(sinePulse(999999, 0u, 1000000, 100000.0f), 0.3795f, 0.0002f);
}

}  // namespace
