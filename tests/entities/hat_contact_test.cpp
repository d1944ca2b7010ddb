// What the hat does on touching terrain, items and bubbles: rebounds, shared pushes, hard bumps with
// their dust and damage, the catch by a bubble, and a burst hat that no longer reacts.
#include <gtest/gtest.h>

#include <functional>

#include "entities/dust_effect.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/hat_fixture.hpp"
#include "entities/rising_bubble.hpp"
#include "entities/thrown_item.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr int caughtSound = 2;
constexpr int bumpSound = 5;

// A test-only bubble on the shared base that moves where the test's step puts it.
class ScriptedBubble : public Bubble {
public:
    ScriptedBubble(int x, int y) : Bubble(x, y, EntityType::RisingBubble) {}
    void update(GameEngine*) override
    {
        if (step) {
            step(*this);
        }
    }
    std::function<void(ScriptedBubble&)> step;
};

using HatContactTest = HatFixture;

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
    EXPECT_EQ(heard(), onlyPlayed(bumpSound));
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
    EXPECT_EQ(heard(), onlyPlayed(caughtSound));

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

TEST_F(HatContactTest, ABubbleThatDiedBesideTheHatIsDeletedWithoutCatchingIt)
{
    World world;
    auto* flying = new Hat();
    world.add(flying);
    flying->position.set(100.0f, 680.0f, 0.0f);  // above the level's floor, which begins at y 736
    auto* sinking = new ScriptedBubble(400, 300);
    world.add(sinking);
    // In its own turn, after the hat's, it drops onto the floor right beside the hat and dies.
    sinking->step = [](ScriptedBubble& self) { self.position.set(95.0f, 700.0f, 0.0f); };
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
    for (Entity* other : {static_cast<Entity*>(nullptr), static_cast<Entity*>(&bumper), static_cast<Entity*>(&bubble)}) {
        EXPECT_FALSE(hat.collide(&engine, other, nullptr));
    }
    EXPECT_EQ(hat.position.x, hat.oldPosition.x + 3.0f);
    EXPECT_EQ(hat.velocityX, 100.0f);
    EXPECT_EQ(bumper.touchedAt, 0xFFFFFFFFu);
    EXPECT_FALSE(bubble.popped);
    EXPECT_EQ(effectCount(), 0u);
    EXPECT_EQ(heard(), (std::array<int, 8>{}));
}

}  // namespace
