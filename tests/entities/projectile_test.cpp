// Thrown and dropped items: their random start, flight, landing after the grace time, removal,
// and the dropped item's sounds on touching the hat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "entities/dropped_item.hpp"
#include "entities/thrown_item.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"
#include "support/sound_probe.hpp"

using namespace testing_support;

namespace {

// rand() % 4 -> spin and sideways speed; the outcome that would be 0 is 0.5 instead.
constexpr float spinOf[4] = {-2.0f, -1.0f, 0.5f, 1.0f};
constexpr float sideSpeedOf[4] = {-50.0f, -25.0f, 12.5f, 25.0f};

class ItemTest : public ObjectTest {};

TEST_F(ItemTest, ThrownItemsDrawVariantThenUpwardSpeedThenSpinInThatOrder)
{
    std::set<int> spinsSeen;
    for (unsigned seed = 1; spinsSeen.size() < 4 && seed < 500; ++seed) {
        std::srand(seed);
        const int variant = std::rand() % 3;
        const int speed = std::rand() % 50;
        const int spin = std::rand() % 4;
        std::srand(seed);
        const ThrownItem item(300, 200);
        EXPECT_EQ(item.variant, variant) << "seed " << seed;
        EXPECT_EQ(item.velocityY, -150.0f - static_cast<float>(speed)) << "seed " << seed;
        EXPECT_EQ(item.spin, spinOf[spin]) << "seed " << seed << ", draw " << spin;
        EXPECT_EQ(item.velocityX, sideSpeedOf[spin]) << "seed " << seed << ", draw " << spin;
        spinsSeen.insert(spin);
    }
    EXPECT_EQ(spinsSeen.size(), 4u);
}

TEST_F(ItemTest, DroppedItemsStartAtRestAndDrawVariantThenSpin)
{
    std::set<int> spinsSeen;
    for (unsigned seed = 1; spinsSeen.size() < 4 && seed < 500; ++seed) {
        std::srand(seed);
        const int variant = std::rand() % 3;
        const int spin = std::rand() % 4;
        std::srand(seed);
        const DroppedItem item(300, 200);
        EXPECT_EQ(item.variant, variant) << "seed " << seed;
        EXPECT_EQ(item.velocityY, 0.0f);
        EXPECT_EQ(item.spin, spinOf[spin]) << "seed " << seed;
        EXPECT_EQ(item.velocityX, sideSpeedOf[spin]) << "seed " << seed;
        spinsSeen.insert(spin);
    }
    EXPECT_EQ(spinsSeen.size(), 4u);
}

TEST_F(ItemTest, ItemsAreCentredOnTheirPointAndBornAtTheClocksTime)
{
    at(777);
    const DroppedItem item(300, 200);
    EXPECT_EQ(item.position.x, 260.0f);
    EXPECT_EQ(item.position.y, 160.0f);
    EXPECT_EQ(item.width, 80.0f);
    EXPECT_EQ(item.height, 80.0f);
    EXPECT_EQ(item.type, 100);
    EXPECT_TRUE(item.solid);
    EXPECT_EQ(item.bornAt, 777u);
}

TEST_F(ItemTest, BothKindsLandOnTerrainOnlyStrictlyAfterTheGraceTimeAndOnlyOnce)
{
    StandInHat hat(0, 0);
    at(1000);
    ThrownItem thrown(300, 200);
    DroppedItem dropped(300, 200);
    for (Projectile* item : {static_cast<Projectile*>(&thrown), static_cast<Projectile*>(&dropped)}) {
        at(2500);
        EXPECT_FALSE(item->collide(&engine, nullptr, world.level.get())) << "1500 ms is still the grace time";
        EXPECT_FALSE(item->landed);
        at(2501);
        EXPECT_FALSE(item->collide(&engine, &hat, world.level.get())) << "no object stops an item";
        EXPECT_FALSE(item->landed);
        EXPECT_TRUE(item->collide(&engine, nullptr, world.level.get()));
        EXPECT_TRUE(item->landed);
        EXPECT_EQ(item->landedAt, 2501u);
        at(2600);
        EXPECT_FALSE(item->collide(&engine, nullptr, world.level.get()));
        EXPECT_EQ(item->landedAt, 2501u);
    }
}

TEST_F(ItemTest, ItemsFallUnderTheirOwnPullAndGoStrictlyASecondAfterLanding)
{
    at(0);
    ThrownItem thrown(300, 200);
    DroppedItem dropped(300, 200);
    thrown.velocityX = 10.0f;
    thrown.velocityY = -100.0f;
    at(16);
    thrown.update(&engine);
    dropped.update(&engine);
    EXPECT_FLOAT_EQ(thrown.velocityY, -100.0f + 35.0f * 0.016f);
    EXPECT_FLOAT_EQ(thrown.position.y, 160.0f + thrown.velocityY * 0.016f) << "moves with the new speed";
    EXPECT_FLOAT_EQ(thrown.position.x, 260.0f + 10.0f * 0.016f);
    EXPECT_FLOAT_EQ(dropped.velocityY, 55.0f * 0.016f);

    thrown.landed = true;
    thrown.landedAt = 5000;
    at(6000);
    const float y = thrown.position.y;
    thrown.update(&engine);
    EXPECT_TRUE(thrown.alive);
    EXPECT_NE(thrown.position.y, y) << "a landed item keeps moving while it fades";
    at(6001);
    thrown.update(&engine);
    EXPECT_FALSE(thrown.alive);
}

TEST_F(ItemTest, ADroppedItemSoundsOnEveryFrameItTouchesTheHatByItsVariant)
{
    SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready()) << SDL_GetError();
    auto* hat = place(new StandInHat(100, 100, 300));
    constexpr int expectedSound[3] = {0, 4, 4};
    for (std::uint8_t variant = 0; variant < 3; ++variant) {
        sound.clear();
        auto* item = place(new DroppedItem(250, 250));
        item->variant = variant;
        for (std::uint32_t frame = 1; frame <= 3; ++frame) {
            at(frame * 16, frame);
            world.update(&engine);
        }
        EXPECT_EQ(sound.plays(expectedSound[variant]), 3) << "variant " << int{variant};
        EXPECT_EQ(sound.totalPlays(), 3) << "variant " << int{variant};
        item->alive = false;
    }

    sound.clear();
    auto* landed = place(new DroppedItem(250, 250));
    landed->landed = true;
    landed->landedAt = 48;
    at(64, 4);
    world.update(&engine);
    EXPECT_EQ(sound.totalPlays(), 0) << "a landed item is silent";
    hat->position.x = 5000.0f;
    landed->landed = false;
    world.update(&engine);
    EXPECT_EQ(sound.totalPlays(), 0) << "silent away from the hat";
}

}  // namespace
