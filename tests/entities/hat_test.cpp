// The hat: its flight frame for frame, its gas meter, and what it does on touching terrain, items,
// bubbles, bumpers and the goal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "entities/bubble_blower.hpp"
#include "entities/dust_effect.hpp"
#include "entities/ember_effect.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/puff_effect.hpp"
#include "entities/rising_bubble.hpp"
#include "entities/shard_effect.hpp"
#include "entities/thrown_item.hpp"
#include "entities/toilet.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

constexpr float halfPi = 1.5707964f;
enum SoundEffect { fanfareSound = 0, puffSound = 1, caughtSound = 2, bumpSound = 5 };

using HatFlightTest = HatFixture;
using HatContactTest = HatFixture;
using ToiletTest = HatFixture;

// The flight rules as written, one frame of a hat that neither bursts, touches nor rides anything.
struct Flight {
    float x, y, velocityX, velocityY, angle, angularVelocity;
};
struct Keys {
    std::uint32_t frameMs;
    bool left, right, thrust;
};

float towardRest(float speed, float drag, float deadBand)
{
    return speed > deadBand ? speed - drag : speed < -deadBand ? speed + drag : 0.0f;
}

Flight writtenFlight(Flight f, const Keys& keys, bool hard)
{
    const float pi = 3.1415927f;
    const float twoPi = 6.2831855f;
    const auto dt = static_cast<float>(keys.frameMs * 0.001);  // frameMs x 0.001, stored as a float
    if (keys.thrust) {
        f.velocityX -= std::cos(f.angle) * dt * 850.0f;
        f.velocityY -= std::sin(f.angle) * dt * 850.0f;
    }
    // 500.9 px/s2 at the level top, 150.9 at its bottom (y 800).
    const float depth = std::min(std::max(f.y / 800.0f, 0.0f), 1.0f);
    f.velocityY += (150.9f + (1.0f - depth) * 350.0f) * dt;
    // Easy mode turns the hat at 2.8 rad/s; hard mode speeds its turn up by 4.0 rad/s2, the other way round.
    float& turned = hard ? f.angularVelocity : f.angle;
    turned += (hard ? keys.left : keys.right) ? dt * (hard ? 4.0f : 2.8f) : 0.0f;
    turned -= (hard ? keys.right : keys.left) ? dt * (hard ? 4.0f : 2.8f) : 0.0f;
    f.angle += f.angle < 0.0f ? twoPi : 0.0f;
    f.angle -= f.angle > twoPi ? twoPi : 0.0f;
    f.velocityY = std::min(std::max(f.velocityY, -450.0f), 450.0f);
    f.velocityX = std::min(std::max(f.velocityX, -450.0f), 450.0f);
    f.velocityX = towardRest(f.velocityX, dt * 17.5f, 0.1f);
    f.velocityY = towardRest(f.velocityY, dt * 50.0f, 0.1f);
    f.x += dt * f.velocityX;
    f.y += dt * f.velocityY;
    if (hard) {
        // Pulled back towards straight down; beyond pi pushed away from straight up.
        const float w = f.angularVelocity * 0.99f;
        const bool lowerHalf = f.angle >= 0.0f && f.angle <= pi;
        f.angularVelocity = lowerHalf ? w - (f.angle - pi * 0.5f) * dt : w + (f.angle - pi * 1.5f) * dt;
        f.angle += dt * f.angularVelocity;
        f.angularVelocity = towardRest(f.angularVelocity, dt * 0.1f, 0.001f);
    }
    return f;
}

TEST_F(HatFlightTest, EveryFrameFollowsTheWrittenThrustPullLimitsDragMovementWrapAndHardModeSwing)
{
    // Frames of 16, 17 and 40 ms (where a float product of ms and 0.001 would miss by a step).
    const std::vector<Keys> pattern = {{16, false, false, true},  {40, true, false, true},  {17, true, false, false},
                                       {40, false, true, true},   {16, false, true, false}, {40, true, true, true},
                                       {16, false, false, false}, {40, false, false, false}};
    struct Start {
        const char* what;
        bool hard;
        Flight flight;
    };
    const Start starts[] = {
        {"upright mid-air", false, {300.0f, 400.0f, 0.0f, 0.0f, halfPi, 0.0f}},
        {"above the top, turning past 0", false, {300.0f, -20.0f, 0.05f, -0.05f, 0.05f, 0.0f}},
        {"below the bottom, turning past 2 pi", false, {300.0f, 900.0f, -30.0f, 20.0f, 6.25f, 0.0f}},
        {"too fast", false, {300.0f, 400.0f, 1000.0f, -1000.0f, 3.0f, 0.0f}},
        {"hard, upright", true, {300.0f, 400.0f, 0.0f, 0.0f, halfPi, 0.0f}},
        {"hard, tail up", true, {300.0f, 400.0f, 0.0f, 0.0f, 4.0f, 0.5f}},
        {"hard, just past pi", true, {300.0f, 400.0f, 0.0f, 0.0f, 3.2f, 0.0f}},
        {"hard, spin in the dead band", true, {300.0f, 400.0f, 0.0f, 0.0f, halfPi, 0.0005f}},
        {"hard, wrapping", true, {300.0f, 400.0f, 0.0f, 0.0f, 6.27f, 2.0f}},
    };
    for (const Start& start : starts) {
        Hat flying;
        flying.hardMode = start.hard;
        Flight expected = start.flight;
        flying.position.set(expected.x, expected.y, 0.0f);
        std::tie(flying.velocityX, flying.velocityY, flying.angle, flying.angularVelocity) =
            std::tie(expected.velocityX, expected.velocityY, expected.angle, expected.angularVelocity);
        for (std::size_t frame = 0; frame < pattern.size(); ++frame) {
            const Keys& keys = pattern[frame];
            clock.advance(keys.frameMs);
            engine.timer->tick();
            std::tie(flying.keyLeft, flying.keyRight, flying.keyThrust) = std::tie(keys.left, keys.right, keys.thrust);
            flying.update(&engine);
            expected = writtenFlight(expected, keys, start.hard);
            const auto seen = std::tie(flying.position.x, flying.position.y, flying.velocityX, flying.velocityY,
                                       flying.angle, flying.angularVelocity);
            ASSERT_EQ(seen, std::tie(expected.x, expected.y, expected.velocityX, expected.velocityY, expected.angle,
                                     expected.angularVelocity))
                << start.what << ", frame " << frame;
        }
    }
}

TEST_F(HatFlightTest, TheHatStartsUprightMidScreenAndLeavesAnEmberEveryEighthFrame)
{
    const Hat fresh;
    // (800 / 2 - 15, 600 / 2 - 15), at rest, tail straight down, the gas meter half full.
    EXPECT_EQ(std::tuple(fresh.position.x, fresh.position.y, fresh.angle, fresh.velocityX, fresh.pressure),
              std::tuple(385.0f, 285.0f, halfPi, 0.0f, 5000));
    std::vector<std::uint32_t> emberFrames;
    for (int i = 0; i < 24; ++i) {
        clock.advance(16);
        engine.timer->tick();
        hat.keyThrust = i % 2 == 0;
        const long before = effectsOf<EmberEffect>();
        hat.update(&engine);
        if (effectsOf<EmberEffect>() > before) emberFrames.push_back(engine.timer->frameCount);
    }
    EXPECT_EQ(emberFrames, (std::vector<std::uint32_t>{8, 16, 24})) << "thrust or not";
}

TEST_F(HatFlightTest, PressureGrowsEighteenAFrameAndBurstsTheHatAtFrame278WhichThenPassesThroughEverything)
{
    for (int frame = 1; frame <= 277; ++frame) {
        frames();
        ASSERT_EQ(hat.pressure, 5000 + 18 * frame) << "frame " << frame;
    }
    ASSERT_FALSE(hat.failed);
    frames();
    EXPECT_EQ(hat.pressure, 10000) << "never above the capacity";
    EXPECT_TRUE(hat.failed && hat.failedAt == engine.timer->lastTicks);
    EXPECT_EQ(effectsOf<ShardEffect>(), 80) << "and no sound, checked below";

    // Frozen where it blew up, deaf to keys, but the clock runs on until the goal.
    const float y = hat.position.y;
    const std::int32_t time = hat.levelTime;
    hat.keyThrust = true;
    engine.timer->frameCount = 120;
    frames(3);
    hat.goalReached = true;
    frames();
    EXPECT_EQ(std::pair(hat.position.y, hat.levelTime), std::pair(y, time + 48));

    // Terrain, bumpers and bubbles: no push, no touch, no catch.
    FadingBumper bumper(40, 85);
    RisingBubble bubble(20, 20);
    hat.position.x += 3.0f;
    setVelocity(100.0f, 0.0f);
    for (Entity* e : std::vector<Entity*>{nullptr, &bumper, &bubble}) EXPECT_FALSE(hat.collide(&engine, e, nullptr));
    EXPECT_EQ(std::pair(hat.position.x, hat.velocityX), std::pair(hat.oldPosition.x + 3.0f, 100.0f));
    EXPECT_TRUE(bumper.touchedAt == 0xFFFFFFFFu && !bubble.popped);
    EXPECT_TRUE(engine.effects->effects.size() == 80u && sounds->totalPlays() == 0) << "no embers, puffs, dust, sound";

    // A frame of 23 days (a machine resumed mid-level, or a replayed clock) fills the meter, no further.
    Hat resumed;
    engine.timer->frameMs = 2000000000u;
    resumed.update(&engine);
    EXPECT_TRUE(resumed.pressure == 10000 && resumed.failed);
}

TEST_F(HatFlightTest, ThrustNeedsMoreGasThanTheFrameLastsAndPuffsEveryFifteenthFrame)
{
    // Growth comes first: -8 becomes 10 at the thrust check, not above 16: refused; 2 becomes 20,
    // and 20 - 40 is floored at 0.
    hat.keyThrust = true;
    for (const auto& [before, after] : {std::pair{-8, 10}, std::pair{2, 0}}) {
        hat.pressure = before;
        frames();
        EXPECT_EQ(hat.pressure, after) << before;
    }

    hat.hardMode = true;
    hat.pressure = 5000;
    for (std::uint32_t frame : {30u, 31u}) {
        engine.timer->frameCount = frame;
        frames();
    }
    EXPECT_EQ(hat.pressure, 5000 + 2 * (20 - 40));
    EXPECT_EQ(effectsOf<PuffEffect>(), 1) << "frame 30 only";
    EXPECT_TRUE(heardOnly(puffSound));
}

TEST_F(HatContactTest, TerrainSendsTheHatBackAndAHardHitCostsGasRoom)
{
    hat.savePosition(&engine);
    hat.position.x += 3.0f;
    setVelocity(100.0f, 20.0f);
    hat.pressure = 6000;
    EXPECT_FALSE(hat.collide(&engine, nullptr, nullptr));
    EXPECT_EQ(hat.position.x, hat.oldPosition.x);
    EXPECT_FLOAT_EQ(hat.velocityX, -60.0f);
    EXPECT_FLOAT_EQ(hat.velocityY, -12.0f);
    EXPECT_TRUE(heardOnly(bumpSound));
    EXPECT_EQ(effectsOf<DustEffect>(), 21) << "int(|int(-72)| x 0.3)";
    EXPECT_EQ(std::pair(hat.capacity, hat.pressure), std::pair(7500, 4500));

    // 45 whole px/s or less is soft: truncation, not rounding, decides.
    setVelocity(75.9f, 0.0f);
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_TRUE(hat.capacity == 7500 && sounds->plays(bumpSound) == 1);

    // Hard mode: 3000 x 0.6 is raised to the floor of 2000; the pressure is not floored.
    hat.hardMode = true;
    hat.capacity = 3000;
    hat.pressure = 2000;
    hat.velocityY = -100.0f;
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_EQ(std::pair(hat.capacity, hat.pressure), std::pair(2000, 1200));
}

TEST_F(HatContactTest, AnItemAndTheHatShareTheirClosingSpeedAlongTheLineBetweenThem)
{
    // The item's centre (115, 200) is straight below the hat's (115, 115); head on, s = 200.
    ThrownItem item(115, 200);
    item.velocityX = 0.0f;
    item.velocityY = -100.0f;
    hat.oldPosition = Vector3(100.0f, 100.0f, 0.0f);
    hat.position.set(100.0f, 104.0f, 0.0f);
    setVelocity(0.0f, 100.0f);
    EXPECT_FALSE(hat.collide(&engine, &item, nullptr));
    EXPECT_EQ(hat.position.y, 100.0f) << "sent back";
    EXPECT_FLOAT_EQ(hat.velocityY, 100.0f - 199.0f);
    EXPECT_FLOAT_EQ(item.velocityY, -100.0f + 199.0f);
    EXPECT_TRUE(item.velocityX == 0.0f && hat.capacity == 7500) << "-99 is a hard bump";
}

TEST_F(HatContactTest, OnlyAnUnpoppedLiveBubbleCatchesTheHat)
{
    RisingBubble bubble(420, 520);
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    EXPECT_TRUE(bubble.popped && hat.carrier == &bubble);
    EXPECT_TRUE(heardOnly(caughtSound));

    // Popped, or dead on terrain and waiting for its turn to be deleted: still bubbles to the
    // caller, but neither catches (a dead carrier would be read after it was freed).
    hat.carrier = nullptr;
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    RisingBubble dead(420, 520);
    dead.alive = false;
    EXPECT_TRUE(hat.collide(&engine, &dead, nullptr));
    EXPECT_TRUE(hat.carrier == nullptr && !dead.popped);
    EXPECT_EQ(sounds->plays(caughtSound), 1);
}

TEST_F(ToiletTest, SoundsTheFanfareOnceWhileTheHatStaysOnItABurstHatNeverFinishesAndAFinishedOneNeverBursts)
{
    // One hat sits on its bowl for six frames; the other bursts in the frame that drops it onto its
    // own (the burst check comes before the move).
    place(new Toilet(320, 320));
    const Toilet* second = place(new Toilet(1320, 320));
    Hat* sitting = place(new Hat());
    Hat* bursting = place(new Hat());
    sitting->position.set(350.0f, 350.0f, 0.0f);
    bursting->position.set(1300.0f, 285.0f, 0.0f);
    bursting->capacity = bursting->pressure;
    bursting->velocityY = 450.0f;
    world.update(&engine);
    ASSERT_TRUE(bursting->failed && bursting->overlaps(second));
    for (int i = 0; i < 5; ++i) world.update(&engine);
    EXPECT_TRUE(sitting->goalReached && !bursting->goalReached);
    EXPECT_TRUE(heardOnly(fanfareSound)) << "six frames of contact, one fanfare; none for the burst hat";

    // Nor does a finished hat burst while its result shows: its gas reaching the red bar is no failure.
    sitting->pressure = sitting->capacity;
    world.update(&engine);
    EXPECT_FALSE(sitting->failed);
    EXPECT_EQ(effectsOf<ShardEffect>(), 80) << "only the other hat's";
}

class HatObjectsTest : public ObjectTest {
protected:
    // The vent's first bubble appears in the first frame; the hat waits just inside it.
    Bubble* ventWithHatInItsFirstBubble()
    {
        world.spawnObject(200, 300, typeId(EntityType::BubbleVent));
        hat.position.set(440.0f, 360.0f, 0.0f);
        clock.now = engine.timer->lastTicks = 2490;
        frame();
        auto* bubble = static_cast<Bubble*>(ofType(EntityType::RisingBubble).front());
        frame();
        EXPECT_EQ(hat.carrier, bubble) << "caught in the next frame";
        return bubble;
    }
    void frame()
    {
        engine.timer->tick();
        world.update(&engine);
    }

    Hat& hat = *place(new Hat);
};

TEST_F(HatObjectsTest, BumpersThrowTheHatBack1Point6TimesAsHardAsTheBlowerAndTheFadingOneNotesIt)
{
    // Each obstacle's centre is (70, 115), straight right of the hat's centre (15, 115).
    Bumper bumper(40, 85);
    FadingBumper fading(40, 85);
    BubbleBlower blower(6, 24);
    at(5000);
    const float bumped = 10.0f - (16.0f - 1.0f);
    for (const auto& [obstacle, rebound] :
         {std::pair<Entity*, float>{&bumper, bumped}, {&fading, bumped}, {&blower, 10.0f - (10.0f - 1.0f)}}) {
        hat.oldPosition = hat.position = Vector3(0.0f, 100.0f, 0.0f);
        hat.velocityX = 10.0f;
        hat.collide(&engine, obstacle, world.level.get());
        EXPECT_FLOAT_EQ(hat.velocityX, rebound) << obstacle->type;
    }
    EXPECT_EQ(fading.touchedAt, 5000u);
}

TEST_F(HatObjectsTest, AVentsBubbleCarriesTheHatUpUntilItIs75PixelsFromTheTop)
{
    const Bubble* bubble = ventWithHatInItsFirstBubble();
    EXPECT_EQ(bubble->poppedAt, hat.carriedSince);
    float heightAtRelease = 1000.0f;
    for (int i = 0; i < 600 && hat.carrier != nullptr; ++i) {
        heightAtRelease = bubble->position.y;
        frame();
        if (engine.timer->lastTicks > hat.carriedSince + 2000 && hat.carrier != nullptr) {
            EXPECT_FLOAT_EQ(hat.position.y, heightAtRelease) << "sits on the bubble once drawn in";
        }
    }
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_TRUE(heightAtRelease <= 75.0f && heightAtRelease > 60.0f) << heightAtRelease;
}

TEST_F(HatObjectsTest, ABubbleBurstingOnTerrainLetsTheHatGoBeforeItIsDeleted)
{
    for (int column = 0; column < Level::columns; ++column)
        world.level->terrainGrid[static_cast<std::size_t>(Level::cellIndex(column, 5))] = 1;
    ventWithHatInItsFirstBubble();
    for (int i = 0; i < 300 && hat.carrier != nullptr; ++i) frame();
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_GT(hat.position.y, 6.0f * 32.0f - 40.0f) << "let go under the ceiling, not near the top";
    EXPECT_TRUE(ofType(EntityType::RisingBubble).empty()) << "deleted in the walk in which the hat let go";
    frame();
}

}  // namespace
