// The thrower's walk cycle: its first turn, its one throw per cycle from the side it walks away
// from, its pace, and the throw heard only where the player can see it.
#include <gtest/gtest.h>

#include "entities/thrower.hpp"
#include "graphics/sprite.hpp"
#include "object_test.hpp"
#include "support/sound_probe.hpp"

using namespace testing_support;

namespace {

class ThrowerTest : public ObjectTest {
protected:
    void step(std::uint32_t now)
    {
        at(now);
        thrower.update(&engine);
    }
    float lastItemCentreX() const { return ofType(EntityType::Item).back()->getCenterX(); }
    std::size_t items() const { return ofType(EntityType::Item).size(); }

    Thrower& thrower = *place(new Thrower(400, 300));
};

TEST_F(ThrowerTest, ThrowsOncePerCycleFromBehindAndTurnsAtEachCycleFromPast4500On)
{
    viewRect = Rect{0, 0, 800, 600};
    SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready());
    step(4500);
    EXPECT_EQ(thrower.cycleStart, 0u) << "a cycle starts only once now is past 4500";
    ASSERT_EQ(items(), 1u);
    // Walking left, the item leaves int(437.5 + 37) from the box centre (437.5, 325).
    EXPECT_EQ(lastItemCentreX(), 474.0f);
    EXPECT_EQ(ofType(EntityType::Item).back()->getCenterY(), 325.0f);
    EXPECT_FLOAT_EQ(thrower.position.x, 400.0f - 30.0f * 0.016f);
    EXPECT_EQ(sound.plays(3), 1);

    const float x = thrower.position.x;
    step(4501);
    EXPECT_TRUE(thrower.movingRight);
    EXPECT_EQ(thrower.position.x, x) << "a new cycle begins standing";
    step(5501);
    EXPECT_EQ(items(), 1u) << "no throw until strictly after 1000 ms";
    EXPECT_GT(thrower.position.x, x) << "walking from 1000 ms on";

    viewRect.x = 3000;
    const float centreX = thrower.getCenterX();
    step(5502);
    ASSERT_EQ(items(), 2u);
    EXPECT_EQ(lastItemCentreX(), static_cast<float>(static_cast<int>(centreX - 37.0f)));
    EXPECT_EQ(sound.totalPlays(), 1) << "a throw off screen is silent";
    for (std::uint32_t now = 5518; now < 9001; now += 16) {
        step(now);
    }
    EXPECT_EQ(items(), 2u) << "one throw per cycle";
    step(9002);
    EXPECT_FALSE(thrower.movingRight);
}

}  // namespace
