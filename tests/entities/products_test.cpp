// What the objects make: thrown and dropped items (their random start, landing after the grace time,
// removal, the dropped item's sounds on touching the hat) and the blown bubbles' drift.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>

#include "entities/blown_bubble.hpp"
#include "entities/dropped_item.hpp"
#include "entities/thrown_item.hpp"
#include "object_test.hpp"
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

using ItemTest = ObjectTest;
using BubbleTest = ObjectTest;

TEST_F(ItemTest, ItemsDrawVariantThenTheThrowsUpwardSpeedThenSpinInThatOrder)
{
    for (const bool thrown : {true, false}) {
        std::set<int> spinsSeen;
        for (unsigned seed = 1; spinsSeen.size() < 4 && seed < 500; ++seed) {
            SCOPED_TRACE(seed);
            std::srand(seed);
            const int variant = std::rand() % 3;
            const int speed = thrown ? std::rand() % 50 : 0;
            const int spin = std::rand() % 4;
            std::srand(seed);
            const auto item = makeItem(thrown);
            EXPECT_EQ(item->variant, variant);
            EXPECT_EQ(item->velocityY, thrown ? -150.0f - static_cast<float>(speed) : 0.0f);
            EXPECT_EQ(item->spin, spinOf[spin]) << "draw " << spin;
            EXPECT_EQ(item->velocityX, sideSpeedOf[spin]) << "draw " << spin;
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
    // Three frames each; a landed item, and one away from the hat, are silent.
    const struct {
        std::uint8_t variant;
        bool landed;
        float hatX;
        int sound, plays;
    } cases[] = {{0, false, 100, 0, 3}, {1, false, 100, 4, 3}, {2, false, 100, 4, 3},
                 {0, true, 100, 0, 0},  {0, false, 5000, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "variant " << int{c.variant} << (c.landed ? " landed" : "") << " hat x "
                                        << c.hatX);
        sound.clear();
        hat->position.x = c.hatX;
        auto* item = place(new DroppedItem(250, 250));
        item->variant = c.variant;
        item->landed = c.landed;
        for (std::uint32_t frame = 1; frame <= 3; ++frame) {
            at(frame * 16, frame);
            world.update(&engine);
        }
        EXPECT_EQ(sound.plays(c.sound), c.plays);
        EXPECT_EQ(sound.totalPlays(), c.plays);
        item->alive = false;
    }
}

TEST_F(BubbleTest, BubblesBlownEitherWayDriftAsFarAndThenStop)
{
    at(0);
    BlownBubble left(3000, 400);
    BlownBubble right(3000, 400);
    left.phase = -500.0f;
    right.phase = 500.0f;
    for (std::uint32_t now = 16; now < 5000; now += 16) {
        at(now);
        left.update(&engine);
        right.update(&engine);
        if (now == 16) {
            EXPECT_EQ(left.baseX, 2972) << "2980 - 500 * 0.016";
            EXPECT_FLOAT_EQ(left.phase, -400.0f);
        }
    }
    EXPECT_GT(right.baseX - 2980, 20);
    EXPECT_LT(right.baseX - 2980, 40);
    EXPECT_EQ(2980 - left.baseX, right.baseX - 2980) << "left " << left.baseX << ", right " << right.baseX;
}

}  // namespace
