// Thrown and dropped items: their random start, landing after the grace time, removal, and the
// dropped item's sounds on touching the hat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
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

std::unique_ptr<Projectile> makeItem(bool thrown)
{
    return std::unique_ptr<Projectile>(thrown ? static_cast<Projectile*>(new ThrownItem(300, 200))
                                              : new DroppedItem(300, 200));
}

class ItemTest : public ObjectTest {};

TEST_F(ItemTest, ItemsDrawVariantThenTheThrowsUpwardSpeedThenSpinInThatOrder)
{
    for (const bool thrown : {true, false}) {
        std::set<int> spinsSeen;
        for (unsigned seed = 1; spinsSeen.size() < 4 && seed < 500; ++seed) {
            std::srand(seed);
            const int variant = std::rand() % 3;
            const int speed = thrown ? std::rand() % 50 : 0;
            const int spin = std::rand() % 4;
            std::srand(seed);
            const auto item = makeItem(thrown);
            EXPECT_EQ(item->variant, variant) << "seed " << seed;
            EXPECT_EQ(item->velocityY, thrown ? -150.0f - static_cast<float>(speed) : 0.0f) << "seed " << seed;
            EXPECT_EQ(item->spin, spinOf[spin]) << "seed " << seed << ", draw " << spin;
            EXPECT_EQ(item->velocityX, sideSpeedOf[spin]) << "seed " << seed << ", draw " << spin;
            spinsSeen.insert(spin);
        }
        EXPECT_EQ(spinsSeen.size(), 4u);
    }
}

TEST_F(ItemTest, ItemsLandOnTerrainOnlyAfterTheGraceTimeAndGoStrictlyASecondLater)
{
    StandInHat hat(0, 0);
    for (const bool thrown : {true, false}) {
        at(1000);
        const auto item = makeItem(thrown);
        at(2500);
        EXPECT_FALSE(item->collide(&engine, nullptr, world.level.get())) << "1500 ms is still the grace time";
        at(2501);
        EXPECT_FALSE(item->collide(&engine, &hat, world.level.get())) << "no object stops an item";
        EXPECT_FALSE(item->landed);
        EXPECT_TRUE(item->collide(&engine, nullptr, world.level.get()));
        EXPECT_EQ(item->landedAt, 2501u);
        at(2600);
        EXPECT_FALSE(item->collide(&engine, nullptr, world.level.get())) << "lands once";
        at(3501);
        const float y = item->position.y;
        item->update(&engine);
        EXPECT_TRUE(item->alive);
        EXPECT_NE(item->position.y, y) << "a landed item keeps moving";
        at(3502);
        item->update(&engine);
        EXPECT_FALSE(item->alive);
    }
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
    world.update(&engine);
    EXPECT_EQ(sound.totalPlays(), 0) << "a landed item is silent";
    hat->position.x = 5000.0f;
    landed->landed = false;
    world.update(&engine);
    EXPECT_EQ(sound.totalPlays(), 0) << "silent away from the hat";
}

}  // namespace
