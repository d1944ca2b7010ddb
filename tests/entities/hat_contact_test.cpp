// What the hat does on touching terrain and other entities: rebounds, pushes, hard bumps with their
// dust and damage, and a burst hat that no longer reacts.
#include <gtest/gtest.h>

#include <vector>

#include "entities/dust_effect.hpp"
#include "entities/hat_fixture.hpp"

using namespace testing_support;

namespace {

constexpr int bumpSound = 5;

// A test-only solid box of any type id that notes who touched it.
class Obstacle : public Entity {
public:
    Obstacle(EntityType kind, float x, float y, bool isSolid = true)
    {
        type = typeId(kind);
        solid = isSolid;
        position.set(x, y, 0.0f);
        width = 60.0f;
        height = 60.0f;
    }
    void update(GameEngine*) override {}
    bool collide(GameEngine*, Entity* other, Level*) override
    {
        touchedBy.push_back(other);
        return false;
    }
    std::vector<Entity*> touchedBy;
};

class HatContactTest : public HatFixture {
protected:
    // The hat moved on from where its turn began.
    void movedFrom(float x, float y)
    {
        hat.position.set(x, y, 0.0f);
        hat.savePosition(&engine);
        hat.position.x += 3.0f;
        hat.position.y += 2.0f;
    }
    void expectBackAt(float x, float y) const
    {
        EXPECT_EQ(hat.position.x, x);
        EXPECT_EQ(hat.position.y, y);
    }
};

TEST_F(HatContactTest, TerrainSendsTheHatBackAndAHardHitCostsGasRoom)
{
    movedFrom(100.0f, 200.0f);
    hat.velocityX = 100.0f;
    hat.velocityY = 20.0f;
    hat.pressure = 6000;
    EXPECT_FALSE(hat.collide(&engine, nullptr, nullptr));
    expectBackAt(100.0f, 200.0f);
    EXPECT_FLOAT_EQ(hat.velocityX, -60.0f);
    EXPECT_FLOAT_EQ(hat.velocityY, -12.0f);
    EXPECT_EQ(heard(), onlyPlayed(bumpSound));
    EXPECT_EQ(effectsOf<DustEffect>(), 21) << "int(|int(-72)| x 0.3)";
    EXPECT_EQ(effectCount(), 21u);
    EXPECT_EQ(hat.capacity, 7500);
    EXPECT_EQ(hat.pressure, 4500);

    // Rebounds of 45 or less in whole px/s on both axes are soft: truncation, not rounding, decides.
    for (const float speed : {70.0f, 75.9f}) {
        sounds->clear();
        hat.velocityX = speed;
        hat.velocityY = 0.0f;
        hat.collide(&engine, nullptr, nullptr);
        EXPECT_EQ(heard(), (std::array<int, 8>{})) << speed;
        EXPECT_EQ(hat.capacity, 7500) << speed;
        EXPECT_EQ(effectCount(), 21u) << speed;
    }
    EXPECT_FLOAT_EQ(hat.velocityX, -0.6f * 75.9f);
}

TEST_F(HatContactTest, HardModeBumpsHurtMoreButTheCapacityNeverFallsBelow2000)
{
    hat.hardMode = true;
    hat.capacity = 3000;
    hat.pressure = 2000;
    hat.velocityY = -100.0f;
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_EQ(hat.capacity, 2000) << "1800 is raised to the floor";
    EXPECT_EQ(hat.pressure, 1200) << "the pressure is not floored";

    hat.capacity = 5000;
    hat.pressure = 2500;
    hat.velocityY = -100.0f;
    hat.collide(&engine, nullptr, nullptr);
    EXPECT_EQ(hat.capacity, 3000);
    EXPECT_EQ(hat.pressure, 1500);
}

TEST_F(HatContactTest, BumpersThrowTheHatBackHarderAndHearAboutIt)
{
    // The hat's centre (15, 115) is straight left of each obstacle's centre (70, 115).
    struct Case {
        EntityType kind;
        float velocityAfter;
        bool told;
    };
    const Case cases[] = {
        {EntityType::Bumper, 100.0f - (160.0f - 1.0f), true},        // s = 100 x 1.6
        {EntityType::FadingBumper, 100.0f - (160.0f - 1.0f), true},
        {EntityType::BubbleBlower, 100.0f - (100.0f - 1.0f), false},  // the plain rebound
    };
    for (const Case& c : cases) {
        Obstacle obstacle(c.kind, 40.0f, 85.0f);
        movedFrom(0.0f, 100.0f);
        hat.velocityX = 100.0f;
        hat.velocityY = 0.0f;
        EXPECT_FALSE(hat.collide(&engine, &obstacle, nullptr));
        expectBackAt(0.0f, 100.0f);
        EXPECT_FLOAT_EQ(hat.velocityX, c.velocityAfter) << typeId(c.kind);
        EXPECT_FLOAT_EQ(hat.velocityY, 0.0f) << typeId(c.kind);
        EXPECT_EQ(obstacle.touchedBy, c.told ? std::vector<Entity*>{&hat} : std::vector<Entity*>{})
            << typeId(c.kind);
    }
    EXPECT_EQ(hat.capacity, 10000 * 3 / 4 * 3 / 4) << "the two bumpers' rebounds (-59) were hard, the blower's (1) not";
    EXPECT_EQ(sounds->plays(bumpSound), 2);
    EXPECT_EQ(effectsOf<DustEffect>(), 2 * 17);

    // A slow touch draws the hat very slightly towards the other.
    Obstacle blower(EntityType::BubbleBlower, 40.0f, 85.0f);
    hat.velocityX = 0.5f;
    hat.collide(&engine, &blower, nullptr);
    EXPECT_FLOAT_EQ(hat.velocityX, 1.0f);
}

TEST_F(HatContactTest, ObjectsThatAreNotSolidArePassedThrough)
{
    Obstacle startPoint(EntityType::StartPoint, 40.0f, 85.0f, false);
    movedFrom(0.0f, 100.0f);
    hat.velocityX = 100.0f;
    EXPECT_FALSE(hat.collide(&engine, &startPoint, nullptr));
    expectBackAt(3.0f, 102.0f);
    EXPECT_EQ(hat.velocityX, 100.0f);
    EXPECT_TRUE(startPoint.touchedBy.empty());
}

TEST_F(HatContactTest, ABurstHatPassesThroughEverything)
{
    hat.failed = true;
    Obstacle bumper(EntityType::Bumper, 40.0f, 85.0f);
    movedFrom(0.0f, 100.0f);
    hat.velocityX = 100.0f;
    EXPECT_FALSE(hat.collide(&engine, nullptr, nullptr));
    EXPECT_FALSE(hat.collide(&engine, &bumper, nullptr));
    expectBackAt(3.0f, 102.0f);
    EXPECT_EQ(hat.velocityX, 100.0f);
    EXPECT_EQ(hat.capacity, 10000);
    EXPECT_TRUE(bumper.touchedBy.empty());
    EXPECT_EQ(effectCount(), 0u);
    EXPECT_EQ(heard(), (std::array<int, 8>{}));
}

}  // namespace
