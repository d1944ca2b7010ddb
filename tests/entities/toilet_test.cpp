// The goal: the fanfare on the first frame of contact only, the finish flag, and a burst hat that
// never finishes, in the world's own update walk.
#include <gtest/gtest.h>

#include "entities/hat_fixture.hpp"
#include "entities/toilet.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr int fanfareSound = 0;

class ToiletTest : public HatFixture {
protected:
    void SetUp() override
    {
        HatFixture::SetUp();
        world.spawnObject(320, 320, typeId(EntityType::Toilet));
        // The world owns its hat; the fixture's own stays out of it.
        inWorld = new Hat();
        world.add(inWorld);
        inWorld->position.set(300.0f, 280.0f, 0.0f);  // just above the bowl
    }
    void walk(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            engine.timer->lastTicks += frameMs;
            world.update(&engine);
        }
    }

    World world;
    Hat* inWorld = nullptr;
};

TEST_F(ToiletTest, IsAGoalTheHatPassesThrough)
{
    const Entity& toilet = **world.objects.begin();
    EXPECT_EQ(toilet.type, 1);
    EXPECT_FALSE(toilet.solid);
    EXPECT_EQ(toilet.getWidth(), 125.0f);
    EXPECT_EQ(toilet.getX(), 320.0f);
    walk();
    EXPECT_FALSE(inWorld->goalReached) << "not touching yet";
}

TEST_F(ToiletTest, SoundsTheFanfareOnceWhileTheHatStaysOnIt)
{
    inWorld->position.set(350.0f, 350.0f, 0.0f);
    walk();
    EXPECT_TRUE(inWorld->goalReached);
    EXPECT_EQ(heard(), onlyPlayed(fanfareSound));
    const float heightAfterFirst = inWorld->position.y;
    walk(5);
    EXPECT_EQ(heard(), onlyPlayed(fanfareSound)) << "five more frames of contact, no second fanfare";
    EXPECT_GT(inWorld->position.y, heightAfterFirst) << "flight goes on after the goal";
    const std::int32_t time = inWorld->levelTime;
    walk();
    EXPECT_EQ(inWorld->levelTime, time) << "the goal stops the clock";
}

TEST_F(ToiletTest, ABurstHatNeverFinishes)
{
    // The burst check comes before the move: this frame bursts the hat and drops it onto the bowl.
    inWorld->position.y = 285.0f;
    inWorld->capacity = inWorld->pressure;
    inWorld->velocityY = 450.0f;
    walk();
    ASSERT_TRUE(inWorld->failed);
    ASSERT_TRUE(inWorld->overlaps(*world.objects.begin())) << "the burst hat lies on the toilet";
    walk(3);
    EXPECT_FALSE(inWorld->goalReached);
    EXPECT_EQ(sounds->plays(fanfareSound), 0);
}

TEST_F(ToiletTest, TerrainAndOtherObjectsLeaveItAlone)
{
    Entity& toilet = **world.objects.begin();
    EXPECT_FALSE(toilet.collide(&engine, nullptr, world.level.get()));
    world.spawnObject(340, 340, typeId(EntityType::Toilet));
    walk();
    EXPECT_EQ(heard(), (std::array<int, 8>{}));
}

}  // namespace
