// The level objects' own clocks: the vent's and the dropper's intervals, and the thrower's and the
// blower's walk cycles with what they make, where, and the throw heard only where the player can see it.
#include <gtest/gtest.h>

#include "entities/blown_bubble.hpp"
#include "entities/bubble_blower.hpp"
#include "entities/thrower.hpp"
#include "graphics/sprite.hpp"
#include "object_test.hpp"
#include "support/sound_probe.hpp"

using namespace testing_support;

namespace {

class ObjectCycleTest : public ObjectTest {
protected:
    // How many of the product one update of the entity at `now` makes.
    std::size_t madeBy(Entity& entity, EntityType product, std::uint32_t now, std::uint32_t frameCount = 1)
    {
        at(now, frameCount);
        const std::size_t before = ofType(product).size();
        entity.update(&engine);
        return ofType(product).size() - before;
    }
    const Entity& last(EntityType kind) const { return *ofType(kind).back(); }
};
using EmitterTest = ObjectCycleTest;
using ThrowerTest = ObjectCycleTest;
using BlowerTest = ObjectCycleTest;

TEST_F(EmitterTest, EmitsStrictlyAfterEachIntervalAtItsMouth)
{
    // Placed at (96, 64). Vent: a bubble centred at (centre x + 30, top + 75); dropper: an item
    // centred at (centre x, top + 300).
    const struct {
        EntityType kind;
        std::uint32_t intervalMs;
        EntityType product;
        float productX, productY;  // top-left
    } cases[] = {
        {EntityType::BubbleVent, 2500, EntityType::RisingBubble, 96 + 225 + 30 - 20, 64 + 75 - 20},
        {EntityType::Dropper, 1500, EntityType::Item, 96 + 225 - 40, 64 + 300 - 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(typeId(c.kind));
        world.clear();
        world.spawnObject(96, 64, typeId(c.kind));
        Entity& emitter = **world.objects.begin();
        EXPECT_EQ(madeBy(emitter, c.product, c.intervalMs), 0u) << "not at exactly the interval";
        EXPECT_EQ(madeBy(emitter, c.product, c.intervalMs + 1), 1u);
        EXPECT_EQ(last(c.product).position.x, c.productX);
        EXPECT_EQ(last(c.product).position.y, c.productY);
        EXPECT_EQ(madeBy(emitter, c.product, 2 * c.intervalMs + 1), 0u) << "counted from the last emission";
        EXPECT_EQ(madeBy(emitter, c.product, 2 * c.intervalMs + 2), 1u);
    }
}

TEST_F(ThrowerTest, ThrowsOncePerCycleFromBehindAndTurnsAtEachCycleFromPast4500On)
{
    Thrower& thrower = *place(new Thrower(400, 300));
    const auto throwsAt = [&](std::uint32_t now) { return madeBy(thrower, EntityType::Item, now); };
    viewRect = Rect{0, 0, 800, 600};
    SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready());
    ASSERT_EQ(throwsAt(4500), 1u);
    EXPECT_EQ(thrower.cycleStart, 0u) << "a cycle starts only once now is past 4500";
    // Walking left, the item leaves int(437.5 + 37) from the box centre (437.5, 325).
    EXPECT_EQ(last(EntityType::Item).getCenterX(), 474.0f);
    EXPECT_EQ(last(EntityType::Item).getCenterY(), 325.0f);
    EXPECT_FLOAT_EQ(thrower.position.x, 400.0f - 30.0f * 0.016f);
    EXPECT_EQ(sound.plays(3), 1);

    const float x = thrower.position.x;
    EXPECT_EQ(throwsAt(4501), 0u);
    EXPECT_TRUE(thrower.movingRight);
    EXPECT_EQ(thrower.position.x, x) << "a new cycle begins standing";
    EXPECT_EQ(throwsAt(5501), 0u) << "no throw until strictly after 1000 ms";
    EXPECT_GT(thrower.position.x, x) << "walking from 1000 ms on";

    viewRect.x = 3000;
    const float centreX = thrower.getCenterX();
    ASSERT_EQ(throwsAt(5502), 1u);
    EXPECT_EQ(last(EntityType::Item).getCenterX(), static_cast<float>(static_cast<int>(centreX - 37.0f)));
    EXPECT_EQ(sound.totalPlays(), 1) << "a throw off screen is silent";
    std::size_t later = 0;
    for (std::uint32_t now = 5518; now < 9001; now += 16) {
        later += throwsAt(now);
    }
    EXPECT_EQ(later, 0u) << "one throw per cycle";
    throwsAt(9002);
    EXPECT_FALSE(thrower.movingRight);
}

TEST_F(BlowerTest, BlowsOnEveryThirtiethFrameStrictlyInsideItsWindowTheWayItFaces)
{
    BubbleBlower& blower = *place(new BubbleBlower(320, 200));
    const auto blownAt = [&](std::uint32_t now, std::uint32_t frame) {
        return madeBy(blower, EntityType::BlownBubble, now, frame);
    };
    const auto lastPhase = [&] { return static_cast<const Bubble&>(last(EntityType::BlownBubble)).phase; };
    EXPECT_EQ(blownAt(7500, 1), 0u);
    EXPECT_EQ(blower.cycleStart, 0u) << "a cycle starts strictly after 7500 ms";
    const std::uint32_t start = 7501;
    EXPECT_EQ(blownAt(start, 1), 0u);
    ASSERT_TRUE(blower.movingRight);
    EXPECT_EQ(blownAt(start + 1380, 30), 0u) << "not at exactly 1380 ms";
    EXPECT_EQ(blownAt(start + 1381, 31), 0u) << "not on a frame off the thirties";
    EXPECT_EQ(blownAt(start + 1381, 60), 1u);
    EXPECT_EQ(lastPhase(), 500.0f);
    // Centred on (int(centre x), int(top + 25)); it walked a little before its first cycle.
    EXPECT_EQ(last(EntityType::BlownBubble).position.x, static_cast<float>(static_cast<int>(blower.getCenterX()) - 20));
    EXPECT_EQ(last(EntityType::BlownBubble).position.y, 200.0f + 25.0f - 20.0f);
    EXPECT_EQ(blownAt(start + 2699, 90), 1u);
    EXPECT_EQ(blownAt(start + 2700, 120), 0u) << "not at exactly 2700 ms";

    const float x = blower.position.x;
    blownAt(start + 2999, 1);
    EXPECT_EQ(blower.position.x, x) << "still standing";
    blownAt(start + 3000, 1);
    EXPECT_FLOAT_EQ(blower.position.x, x + 40.0f * 0.016f);

    EXPECT_EQ(blownAt(start + 7501, 1), 0u);
    EXPECT_FALSE(blower.movingRight);
    EXPECT_EQ(blownAt(start + 7501 + 2000, 30), 1u);
    EXPECT_EQ(lastPhase(), -500.0f);
}

}  // namespace
