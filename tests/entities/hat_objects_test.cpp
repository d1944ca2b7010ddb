// The hat meeting the real objects in a world: bounced off the bumpers harder than off the blower,
// carried up by a vent's bubble until near the top, and let go when its bubble bursts on terrain.
#include <gtest/gtest.h>

#include "entities/bubble_blower.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/hat.hpp"
#include "entities/rising_bubble.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

class HatObjectsTest : public ObjectTest {
protected:
    // The vent's first bubble appears in the first frame; the hat waits just inside it.
    Bubble* ventWithHatInItsFirstBubble()
    {
        world.spawnObject(200, 300, typeId(EntityType::BubbleVent));
        hat.position.set(440.0f, 360.0f, 0.0f);
        clock.now = engine.timer->lastTicks = 2490;
        frame();
        return static_cast<Bubble*>(ofType(EntityType::RisingBubble).front());
    }
    void frame() { engine.timer->tick(); world.update(&engine); }

    Hat& hat = *place(new Hat);
};

TEST_F(HatObjectsTest, BumpersThrowTheHatBack1Point6TimesAsHardAsTheBlowerAndTheFadingOneNotesIt)
{
    // Each obstacle's centre is (70, 115), straight right of the hat's centre (15, 115).
    Bumper bumper(40, 85);
    FadingBumper fading(40, 85);
    BubbleBlower blower(6, 24);
    at(5000);
    std::vector<float> rebound;
    for (Entity* obstacle : std::vector<Entity*>{&bumper, &fading, &blower}) {
        hat.position.set(0.0f, 100.0f, 0.0f);
        hat.oldPosition = hat.position;
        hat.velocityX = 10.0f;
        hat.velocityY = 0.0f;
        hat.collide(&engine, obstacle, world.level.get());
        rebound.push_back(hat.velocityX);
    }
    EXPECT_FLOAT_EQ(rebound[0], 10.0f - (16.0f - 1.0f));
    EXPECT_FLOAT_EQ(rebound[1], rebound[0]);
    EXPECT_FLOAT_EQ(rebound[2], 10.0f - (10.0f - 1.0f));
    EXPECT_EQ(fading.touchedAt, 5000u);
}

TEST_F(HatObjectsTest, AVentsBubbleCarriesTheHatUpUntilItIs75PixelsFromTheTop)
{
    Bubble* bubble = ventWithHatInItsFirstBubble();
    frame();
    ASSERT_EQ(hat.carrier, bubble);
    EXPECT_TRUE(bubble->popped);
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
    EXPECT_LE(heightAtRelease, 75.0f);
    EXPECT_GT(heightAtRelease, 60.0f) << "let go as soon as the bubble was high enough";
}

TEST_F(HatObjectsTest, ABubbleBurstingOnTerrainLetsTheHatGoBeforeItIsDeleted)
{
    for (int column = 0; column < Level::columns; ++column) {
        world.level->terrainGrid[static_cast<std::size_t>(Level::cellIndex(column, 5))] = 1;
    }
    const Bubble* bubble = ventWithHatInItsFirstBubble();
    frame();
    ASSERT_EQ(hat.carrier, bubble);
    for (int i = 0; i < 300 && hat.carrier != nullptr; ++i) {
        frame();
    }
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_GT(hat.position.y, 6.0f * 32.0f - 40.0f) << "let go under the ceiling, not near the top";
    EXPECT_TRUE(ofType(EntityType::RisingBubble).empty()) << "deleted in the walk in which the hat let go";
    frame();
}

}  // namespace
