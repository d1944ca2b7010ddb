// The goal in the world's own walk: the fanfare on the first frame of contact only, and a burst hat
// that never finishes.
#include <gtest/gtest.h>

#include "entities/hat_fixture.hpp"
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
        flying = new Hat();
        world.add(flying);
    }

    World world;
    Hat* flying = nullptr;
};

TEST_F(ToiletTest, SoundsTheFanfareOnceWhileTheHatStaysOnIt)
{
    flying->position.set(350.0f, 350.0f, 0.0f);
    world.update(&engine);
    EXPECT_TRUE(flying->goalReached);
    for (int i = 0; i < 5; ++i) {
        world.update(&engine);
    }
    EXPECT_EQ(heard(), onlyPlayed(fanfareSound)) << "six frames of contact, one fanfare";
}

TEST_F(ToiletTest, ABurstHatNeverFinishes)
{
    // The burst check comes before the move: this frame bursts the hat and drops it onto the bowl.
    flying->position.set(300.0f, 285.0f, 0.0f);
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
