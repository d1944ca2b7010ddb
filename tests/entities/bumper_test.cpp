// Both bumpers' bobbing, and the fading bumper's memory of the hat's first touch.
#include <gtest/gtest.h>

#include <cmath>

#include "entities/fading_bumper.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"

using namespace testing_support;

namespace {

class BumperTest : public ObjectTest {};

TEST_F(BumperTest, BumpersBobAboutTheirStartHeightWithTheBirthTimeAsPhase)
{
    at(5000);
    world.spawnObject(640, 320, typeId(EntityType::Bumper));
    world.spawnObject(640, 320, typeId(EntityType::FadingBumper));
    auto* bumper = static_cast<Bumper*>(*world.objects.begin());
    auto* fading = static_cast<FadingBumper*>(*++world.objects.begin());
    EXPECT_EQ(bumper->width, 60.0f);
    EXPECT_TRUE(bumper->solid);
    EXPECT_EQ(fading->type, 7);
    EXPECT_EQ(bumper->bornAt, 5000u);
    EXPECT_EQ(fading->baseY, 320.0f);
    for (std::uint32_t now : {5000u, 6234u, 90000u}) {
        at(now);
        bumper->update(&engine);
        fading->update(&engine);
        EXPECT_NEAR(bumper->position.y, 320.0 + 30.0 * std::sin(5000.0 - now * 0.00076923077), 1e-3) << now;
        EXPECT_NEAR(fading->position.y, 320.0 + 60.0 * std::sin(5000.0 - now * 0.00066666666), 1e-3) << now;
        EXPECT_EQ(bumper->position.x, 640.0f);
    }
}

TEST_F(BumperTest, AFadingBumperKeepsOnlyTheHatsFirstTouch)
{
    StandInHat hat(0, 0);
    StandInHat notAHat(0, 0);
    notAHat.type = typeId(EntityType::Bumper);
    FadingBumper bumper(100, 100);
    at(3000);
    EXPECT_FALSE(bumper.collide(&engine, nullptr, world.level.get()));
    EXPECT_FALSE(bumper.collide(&engine, &notAHat, world.level.get()));
    EXPECT_EQ(bumper.touchedAt, FadingBumper::notTouched);
    EXPECT_FALSE(bumper.collide(&engine, &hat, world.level.get()));
    EXPECT_EQ(bumper.touchedAt, 3000u);
    at(3500);
    bumper.collide(&engine, &hat, world.level.get());
    EXPECT_EQ(bumper.touchedAt, 3000u);
}

}  // namespace
