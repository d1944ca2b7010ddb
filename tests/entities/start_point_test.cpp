// The start point from a level file: where the hat begins, and passed through in flight.
#include <gtest/gtest.h>

#include "entities/hat_fixture.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

using StartPointTest = HatFixture;

TEST_F(StartPointTest, PutsTheHatsCornerOnItsCentreAndLetsItFlyThrough)
{
    // Object cells hold the type id plus one: 1 is a start point, in column 10, row 5.
    LevelFile file;
    file.set(LevelFile::Grid::Objects, 10, 5, 1);
    file.write("map.mp");
    World world;
    ::testing::internal::CaptureStdout();
    world.level->load("map.mp");
    ::testing::internal::GetCapturedStdout();
    ASSERT_NE(world.startPoint, nullptr);
    EXPECT_EQ(world.startPoint->type, 0);
    EXPECT_FALSE(world.startPoint->solid);
    EXPECT_EQ(world.startPoint->getWidth(), 100.0f);

    auto* flying = new Hat();
    world.add(flying);
    EXPECT_EQ(flying->position.x, 320.0f + 50.0f);
    EXPECT_EQ(flying->position.y, 160.0f + 50.0f);
    flying->velocityX = 100.0f;
    world.update(&engine);
    EXPECT_GT(flying->position.x, 370.0f) << "not sent back";
    EXPECT_FLOAT_EQ(flying->velocityX, 100.0f - 0.28f);
}

}  // namespace
