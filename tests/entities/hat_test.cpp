// The hat: its steering and gas meter (both turning keys, pressure growth, the cost of thrust, the
// burst; its flight numbers are replayed frame for frame by the level tracks), what it does on
// touching terrain, items, bubbles and the goal, and how it meets the real objects in a world.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "entities/bubble_blower.hpp"
#include "entities/dust_effect.hpp"
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

TEST_F(HatFlightTest, BothTurningKeysCancelInEitherMode)
{
    hat.keyLeft = hat.keyRight = true;
    frames();
    EXPECT_NEAR(hat.angle, halfPi, 1e-6f);
    hat.keyRight = false;
    hat.angle = 0.02f;
    frames();
    EXPECT_NEAR(hat.angle, 0.02f - 0.0448f + 6.2831855f, 1e-5f) << "wrapped into 0 to 2 pi";
    hat.hardMode = hat.keyRight = true;
    hat.angle = halfPi;
    frames();
    EXPECT_EQ(hat.angularVelocity, 0.0f);
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
    for (int column = 0; column < Level::columns; ++column) {
        world.level->terrainGrid[static_cast<std::size_t>(Level::cellIndex(column, 5))] = 1;
    }
    ventWithHatInItsFirstBubble();
    for (int i = 0; i < 300 && hat.carrier != nullptr; ++i) frame();
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_GT(hat.position.y, 6.0f * 32.0f - 40.0f) << "let go under the ceiling, not near the top";
    EXPECT_TRUE(ofType(EntityType::RisingBubble).empty()) << "deleted in the walk in which the hat let go";
    frame();
}

}  // namespace
