// The thrower's walk cycle: its first turn, its one throw per cycle from the side it walks away
// from, its pace, and the throw's sound only where the player can see it.
#include <gtest/gtest.h>

#include "entities/thrower.hpp"
#include "graphics/sprite.hpp"
#include "object_test.hpp"
#include "support/sound_probe.hpp"

using namespace testing_support;

namespace {

class ThrowerTest : public ObjectTest {
protected:
    Thrower* thrower = nullptr;
    void SetUp() override
    {
        ObjectTest::SetUp();
        viewRect = Rect{0, 0, 800, 600};
        world.spawnObject(400, 300, typeId(EntityType::Thrower));
        thrower = static_cast<Thrower*>(*world.objects.begin());
    }
    void step(std::uint32_t now)
    {
        at(now);
        thrower->update(&engine);
    }
    // The last item thrown, by the centre of its box.
    std::pair<float, float> lastItemCentre() const
    {
        const Entity* item = ofType(EntityType::Item).back();
        return {item->getCenterX(), item->getCenterY()};
    }
};

TEST_F(ThrowerTest, BeforeItsFirstCycleItThrowsRightwardAndWalksLeftThenTurnsPast4500)
{
    EXPECT_EQ(thrower->width, 75.0f);
    EXPECT_EQ(thrower->height, 50.0f);
    EXPECT_FALSE(thrower->solid);

    step(4500);
    EXPECT_EQ(thrower->cycleStart, 0u) << "a cycle starts only once now is past 4500";
    ASSERT_EQ(ofType(EntityType::Item).size(), 1u);
    // The box centre is (437.5, 325); the item's point is int(437.5 + 37), int(325).
    EXPECT_EQ(lastItemCentre(), std::make_pair(474.0f, 325.0f));
    EXPECT_FLOAT_EQ(thrower->position.x, 400.0f - 30.0f * 0.016f);

    const float x = thrower->position.x;
    step(4501);
    EXPECT_EQ(thrower->cycleStart, 4501u);
    EXPECT_TRUE(thrower->movingRight);
    EXPECT_FALSE(thrower->hasThrown);
    EXPECT_EQ(thrower->position.x, x) << "a new cycle begins standing";
}

TEST_F(ThrowerTest, EachCycleStandsASecondThenThrowsOnceFromTheSideBehindItAndWalks)
{
    step(4600);  // the first cycle: walking right
    ASSERT_TRUE(thrower->movingRight);
    const std::size_t before = ofType(EntityType::Item).size();
    const float x = thrower->position.x;
    step(5599);
    step(5600);
    EXPECT_EQ(ofType(EntityType::Item).size(), before) << "no throw until strictly after 1000 ms";
    EXPECT_GT(thrower->position.x, x) << "walking from 1000 ms on";
    const float centreX = thrower->getCenterX();
    step(5601);
    ASSERT_EQ(ofType(EntityType::Item).size(), before + 1);
    EXPECT_EQ(lastItemCentre().first, static_cast<float>(static_cast<int>(centreX - 37.0f)));
    EXPECT_EQ(lastItemCentre().second, 325.0f);
    for (std::uint32_t now = 5617; now < 9100; now += 16) {
        step(now);
    }
    EXPECT_EQ(ofType(EntityType::Item).size(), before + 1) << "one throw per cycle";
    step(9101);
    EXPECT_FALSE(thrower->movingRight) << "turns at the next cycle";
}

TEST_F(ThrowerTest, TheThrowIsHeardOnlyWhileTheThrowerIsOnScreen)
{
    SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready());
    step(4500);
    EXPECT_EQ(sound.plays(3), 1);
    sound.clear();
    viewRect = Rect{3000, 0, 800, 600};
    step(4501);
    step(5502);
    EXPECT_EQ(ofType(EntityType::Item).size(), 2u);
    EXPECT_EQ(sound.totalPlays(), 0);
}

}  // namespace
