// The hat against items and bubbles: pushes shared with an item, the catch by a bubble, the carry
// towards it and the release, and a dead bubble that never becomes the carrier.
#include <gtest/gtest.h>

#include <functional>

#include "entities/hat_fixture.hpp"
#include "entities/rising_bubble.hpp"
#include "entities/thrown_item.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr int caughtSound = 2;
constexpr int bumpSound = 5;
constexpr int releasedSound = 6;

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

class HatCarryTest : public HatFixture {
protected:
    std::uint32_t now() const { return engine.timer->lastTicks; }
};

TEST_F(HatCarryTest, AnItemAndTheHatShareTheirClosingSpeedAlongTheLineBetweenThem)
{
    // The item's centre (115, 200) is straight below the hat's (115, 115).
    ThrownItem item(115, 200);
    item.velocityX = 0.0f;
    item.velocityY = 0.0f;
    hat.position.set(100.0f, 100.0f, 0.0f);
    hat.savePosition(&engine);
    hat.position.y += 4.0f;
    hat.velocityY = 50.0f;
    EXPECT_FALSE(hat.collide(&engine, &item, nullptr));
    EXPECT_EQ(hat.position.y, 100.0f) << "sent back";
    // n = (0, -1), s = 50: d = (0, 49).
    EXPECT_FLOAT_EQ(hat.velocityY, 1.0f);
    EXPECT_FLOAT_EQ(item.velocityY, 49.0f);
    EXPECT_FLOAT_EQ(item.velocityX, 0.0f);
    EXPECT_EQ(sounds->plays(bumpSound), 0);

    // Head on, both moving: s = 200, so the hat leaves at -99, a hard bump.
    item.velocityY = -100.0f;
    hat.velocityY = 100.0f;
    hat.collide(&engine, &item, nullptr);
    EXPECT_FLOAT_EQ(hat.velocityY, -99.0f);
    EXPECT_FLOAT_EQ(item.velocityY, 99.0f);
    EXPECT_EQ(sounds->plays(bumpSound), 1);
    EXPECT_EQ(hat.capacity, 7500);
}

TEST_F(HatCarryTest, AnUnpoppedBubbleCatchesTheHatOnce)
{
    RisingBubble bubble(300, 300);
    hat.position.set(270.0f, 250.0f, 0.0f);
    hat.savePosition(&engine);
    hat.position.x += 5.0f;
    hat.velocityX = 200.0f;
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    EXPECT_TRUE(bubble.popped);
    EXPECT_EQ(bubble.poppedAt, now());
    EXPECT_EQ(hat.carrier, &bubble);
    EXPECT_EQ(hat.carriedSince, now());
    EXPECT_EQ(heard(), onlyPlayed(caughtSound));
    EXPECT_EQ(hat.position.x, 275.0f) << "no rebound from a bubble";
    EXPECT_EQ(hat.capacity, 10000) << "and no bump";

    // Popped: still a bubble to the caller, but nothing happens.
    hat.carrier = nullptr;
    const std::uint32_t first = bubble.poppedAt;
    engine.timer->lastTicks += 500;
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_EQ(bubble.poppedAt, first);
    EXPECT_EQ(sounds->plays(caughtSound), 1);
}

TEST_F(HatCarryTest, ADeadBubbleNeverCatchesTheHat)
{
    RisingBubble bubble(300, 300);
    bubble.alive = false;
    EXPECT_TRUE(hat.collide(&engine, &bubble, nullptr));
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_FALSE(bubble.popped);
    EXPECT_EQ(heard(), (std::array<int, 8>{}));
}

TEST_F(HatCarryTest, TheCarriedHatClosesInOnItsBubbleAndIsLetGoNearTheTop)
{
    RisingBubble bubble(420, 520);  // top-left corner (400, 500)
    hat.position.set(300.0f, 300.0f, 0.0f);
    hat.collide(&engine, &bubble, nullptr);
    const std::uint32_t caught = now();

    hat.velocityX = 80.0f;
    engine.timer->lastTicks = caught + 1000 - 16;
    frames();  // half way in time: the corner moves half the gap
    EXPECT_FLOAT_EQ(hat.position.x, 350.0f);
    EXPECT_FLOAT_EQ(hat.position.y, 400.0f);
    EXPECT_EQ(hat.velocityX, 0.0f);
    EXPECT_EQ(hat.velocityY, 0.0f);

    bubble.position.set(400.0f, 200.0f, 0.0f);
    engine.timer->lastTicks = caught + 2500 - 16;
    frames();
    EXPECT_EQ(hat.position.x, 400.0f) << "after 2000 ms it sits on the bubble";
    EXPECT_EQ(hat.position.y, 200.0f);

    bubble.position.y = 75.0f;
    frames();
    EXPECT_EQ(hat.carrier, nullptr);
    EXPECT_EQ(sounds->plays(releasedSound), 1);
    EXPECT_EQ(hat.position.y, 200.0f) << "no move in the frame of the release";
    frames();
    EXPECT_GT(hat.position.y, 200.0f) << "free flight from the next frame";
}

TEST_F(HatCarryTest, ABubbleThatDiedBesideTheHatIsDeletedWithoutCatchingIt)
{
    // Clear air around the hat; the level's floor begins at y 736.
    World world;
    auto* flying = new Hat();
    world.add(flying);
    flying->position.set(100.0f, 680.0f, 0.0f);

    // A bubble that dies on the floor right beside the hat, in its own turn, after the hat's.
    auto* sinking = new ScriptedBubble(400, 300);
    world.add(sinking);
    sinking->step = [](ScriptedBubble& self) { self.position.set(95.0f, 700.0f, 0.0f); };
    world.update(&engine);
    ASSERT_FALSE(sinking->alive) << "touched the floor";
    EXPECT_EQ(flying->carrier, nullptr);

    // In the next walk the hat meets the dead bubble before the bubble's turn deletes it.
    world.update(&engine);
    EXPECT_EQ(flying->carrier, nullptr) << "caught by a bubble about to be deleted";
    EXPECT_EQ(world.objects.size(), 1);
    world.update(&engine);  // a held dangling carrier would be read here
}

}  // namespace
