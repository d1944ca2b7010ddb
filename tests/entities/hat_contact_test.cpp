// What the hat does on touching terrain, items, bubbles and the goal: rebounds, shared pushes, hard
// bumps with their dust and damage, the catch by a bubble, the fanfare, and a burst hat that no
// longer reacts.
#include <gtest/gtest.h>

#include <vector>

#include "entities/dust_effect.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/hat_fixture.hpp"
#include "entities/rising_bubble.hpp"
#include "entities/thrown_item.hpp"

using namespace testing_support;

namespace {

constexpr int fanfareSound = 0;
constexpr int caughtSound = 2;
constexpr int bumpSound = 5;

using HatContactTest = HatFixture;
using ToiletTest = HatFixture;

TEST_F(HatContactTest, TerrainSendsTheHatBackAndAHardHitCostsGasRoom)
{
    hat.savePosition(&engine);
    hat.position.x += 3.0f;
    hat.velocityX = 100.0f;
    hat.velocityY = 20.0f;
    hat.pressure = 6000;
    EXPECT_FALSE(hat.collide(&engine, nullptr, nullptr));
    EXPECT_EQ(hat.position.x, hat.oldPosition.x);
    EXPECT_FLOAT_EQ(hat.velocityX, -60.0f);
    EXPECT_FLOAT_EQ(hat.velocityY, -12.0f);
    EXPECT_TRUE(heardOnly(bumpSound));
    EXPECT_EQ(effectsOf<DustEffect>(), 21) << "int(|int(-72)| x 0.3)";
    EXPECT_EQ(hat.capacity, 7500);
    EXPECT_EQ(hat.pressure, 4500);

    // 45 whole px/s or less is soft: truncation, not rounding, decides.
    hat.velocityX = 75.9f;
    hat.velocityY = 0.0f;
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_EQ(hat.capacity, 7500);
    EXPECT_EQ(sounds->plays(bumpSound), 1);

    // Hard mode: 3000 x 0.6 is raised to the floor of 2000; the pressure is not floored.
    hat.hardMode = true;
    hat.capacity = 3000;
    hat.pressure = 2000;
    hat.velocityY = -100.0f;
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_EQ(hat.capacity, 2000);
    EXPECT_EQ(hat.pressure, 1200);
}

TEST_F(HatContactTest, AnItemAndTheHatShareTheirClosingSpeedAlongTheLineBetweenThem)
{
    // The item's centre (115, 200) is straight below the hat's (115, 115); head on, s = 200.
    ThrownItem item(115, 200);
    item.velocityX = 0.0f;
    item.velocityY = -100.0f;
    hat.position.set(100.0f, 100.0f, 0.0f);
    hat.savePosition(&engine);
    hat.position.y += 4.0f;
    hat.velocityY = 100.0f;
    EXPECT_FALSE(hat.collide(&engine, &item, nullptr));
    EXPECT_EQ(hat.position.y, 100.0f) << "sent back";
    EXPECT_FLOAT_EQ(hat.velocityY, 100.0f - 199.0f);
    EXPECT_FLOAT_EQ(item.velocityY, -100.0f + 199.0f);
    EXPECT_FLOAT_EQ(item.velocityX, 0.0f);
    EXPECT_EQ(hat.capacity, 7500) << "-99 is a hard bump";
}

TEST_F(HatContactTest, OnlyAnUnpoppedLiveBubbleCatchesTheHat)
{
    RisingBubble bubble(420, 520);
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    EXPECT_TRUE(bubble.popped);
    EXPECT_EQ(bubble.poppedAt, engine.timer->lastTicks);
    EXPECT_EQ(hat.carrier, &bubble);
    EXPECT_TRUE(heardOnly(caughtSound));

    // Popped, dead: still bubbles to the caller, but neither catches.
    hat.carrier = nullptr;
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    RisingBubble dead(420, 520);
    dead.alive = false;
    EXPECT_TRUE(hat.collide(&engine, &dead, nullptr));
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_FALSE(dead.popped);
    EXPECT_EQ(sounds->plays(caughtSound), 1);
}

// A bubble that, in its own turn, drops onto the level's floor (which begins at y 736) and dies.
class SinkingBubble : public Bubble {
public:
    SinkingBubble() : Bubble(400, 300, EntityType::RisingBubble) {}
    void update(GameEngine*) override { position.set(95.0f, 700.0f, 0.0f); }
};

TEST_F(HatContactTest, ABubbleThatDiedBesideTheHatIsDeletedWithoutCatchingIt)
{
    Hat* flying = flyingAt(100.0f, 680.0f);
    auto* sinking = new SinkingBubble();
    world.add(sinking);
    world.update(&engine);
    ASSERT_FALSE(sinking->alive);

    // The next walk: the hat meets the dead bubble, then the bubble's turn deletes it.
    world.update(&engine);
    EXPECT_EQ(flying->carrier, nullptr);
    EXPECT_EQ(world.objects.size(), 1);
    world.update(&engine);  // a carrier held on would be read here, after it was freed
}

TEST_F(HatContactTest, ABurstHatPassesThroughEverything)
{
    hat.failed = true;
    FadingBumper bumper(40, 85);
    RisingBubble bubble(20, 20);
    hat.savePosition(&engine);
    hat.position.x += 3.0f;
    hat.velocityX = 100.0f;
    for (Entity* other : std::vector<Entity*>{nullptr, &bumper, &bubble}) {
        EXPECT_FALSE(hat.collide(&engine, other, nullptr));
    }
    EXPECT_EQ(hat.position.x, hat.oldPosition.x + 3.0f);
    EXPECT_EQ(hat.velocityX, 100.0f);
    EXPECT_EQ(bumper.touchedAt, 0xFFFFFFFFu);
    EXPECT_FALSE(bubble.popped);
    EXPECT_TRUE(engine.effects->effects.empty());
    EXPECT_EQ(sounds->totalPlays(), 0);
}

TEST_F(ToiletTest, SoundsTheFanfareOnceWhileTheHatStaysOnIt)
{
    world.spawnObject(320, 320, typeId(EntityType::Toilet));
    const Hat* flying = flyingAt(350.0f, 350.0f);
    for (int i = 0; i < 6; ++i) {
        world.update(&engine);
    }
    EXPECT_TRUE(flying->goalReached);
    EXPECT_TRUE(heardOnly(fanfareSound)) << "six frames of contact, one fanfare";
}

TEST_F(ToiletTest, ABurstHatNeverFinishes)
{
    // The burst check comes before the move: this frame bursts the hat and drops it onto the bowl.
    world.spawnObject(320, 320, typeId(EntityType::Toilet));
    Hat* flying = flyingAt(300.0f, 285.0f);
    flying->capacity = flying->pressure;
    flying->velocityY = 450.0f;
    world.update(&engine);
    ASSERT_TRUE(flying->failed);
    ASSERT_TRUE(flying->overlaps(*world.objects.begin()));
    world.update(&engine);
    EXPECT_FALSE(flying->goalReached);
    EXPECT_EQ(sounds->plays(fanfareSound), 0);
}

}  // namespace
