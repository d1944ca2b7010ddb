// Where the ghost flies: between the two samples around the level time, the angle the shorter way
// round, held at the start before the run and at the toilet after it.
#include <gtest/gtest.h>

#include <tuple>

#include "trial/ghost_path.hpp"

namespace {

TEST(GhostPathTest, ThePoseAtChosenLevelTimes)
{
    const GhostPath path({{100.0f, 200.0f, 0.1f, 0},
                          {116.0f, 184.0f, 6.2f, 16},
                          {132.0f, 200.0f, 1.0f, 32},
                          {148.0f, 216.0f, 1.0f, 48}});
    const float turnBack = 6.2f - 6.2831853f - 0.1f;  // from 0.1 down through 0 to 6.2
    const float turnOn = 1.0f + 6.2831853f - 6.2f;    // from 6.2 up through 2 pi to 1.0
    for (const auto& [time, x, y, angle] : {
             std::tuple(-5, 100.0f, 200.0f, 0.1f),                                  // before the start
             std::tuple(8, 108.0f, 192.0f, 0.1f + turnBack / 2.0f),                 // half way, across 0
             std::tuple(12, 112.0f, 188.0f, 0.1f + turnBack * 0.75f + 6.2831853f),  // past 0: back below 2 pi
             std::tuple(24, 124.0f, 192.0f, 6.2f + turnOn / 2.0f - 6.2831853f),     // across 2 pi
             std::tuple(40, 140.0f, 208.0f, 1.0f), std::tuple(48, 148.0f, 216.0f, 1.0f),
             std::tuple(90000, 148.0f, 216.0f, 1.0f),  // the run is over: at the toilet
         }) {
        const GhostPose pose = path.at(time);
        EXPECT_NEAR(pose.x, x, 1e-3f) << time;
        EXPECT_NEAR(pose.y, y, 1e-3f) << time;
        EXPECT_NEAR(pose.angle, angle, 1e-4f) << time;
        EXPECT_TRUE(pose.angle >= 0.0f && pose.angle < 6.2831853f) << time;
    }
}

TEST(GhostPathTest, FramesOfTheSameLevelTimeAndAnEmptyRunAreSafe)
{
    // A finished run's last frames all hold its finish time.
    const GhostPath finished({{0.0f, 0.0f, 1.0f, 0}, {10.0f, 0.0f, 1.0f, 16}, {10.0f, 0.0f, 1.0f, 16}});
    EXPECT_FLOAT_EQ(finished.at(16).x, 10.0f);
    EXPECT_FLOAT_EQ(finished.at(15).x, 9.375f);
    EXPECT_TRUE(GhostPath({}).empty());
    EXPECT_FLOAT_EQ(GhostPath({}).at(100).x, 0.0f);
}

}  // namespace
