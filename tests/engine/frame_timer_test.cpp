// The frame timer's pacing and measurement, driven by a clock that only moves when told to.
#include <gtest/gtest.h>

#include <iomanip>
#include <tuple>
#include <utility>

#include "engine/frame_timer.hpp"
#include "engine/manual_clock.hpp"

namespace {

class FrameTimerTest : public ::testing::Test {
protected:
    void SetUp() override { TickSource::install(&clock); }
    void TearDown() override { TickSource::install(nullptr); }

    // One pass of the loop: the body takes bodyMs, then the timer ticks.
    void frame(FrameTimer& timer, std::uint32_t bodyMs)
    {
        clock.advance(bodyMs);
        timer.tick();
    }

    ManualClock clock{1000};
};

TEST_F(FrameTimerTest, ShortBodiesArePacedToSixteenMillisecondsAndSlowOnesMeasuredInFull)
{
    // body ms, frame ms, fps, seconds: the float nearest the frame's length, to the last bit
    const struct {
        std::uint32_t bodyMs, frameMs, fps;
        float seconds;
    } cases[] = {{3, 16, 62, 0.016f}, {40, 40, 25, 0.04f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bodyMs);
        clock.now = 1000;
        FrameTimer timer;
        for (int i = 0; i < 12; ++i) frame(timer, c.bodyMs);
        // Time taken (no delay after a slow body), frame length, fps, frames.
        const auto fps = static_cast<std::uint32_t>(timer.fps);
        EXPECT_EQ(std::make_tuple(clock.now - 1000u, timer.frameMs, fps, timer.frameCount),
                  std::make_tuple(12 * c.frameMs, c.frameMs, c.fps, 12u));
        EXPECT_EQ(timer.frameSeconds, c.seconds) << std::setprecision(10) << timer.frameSeconds;
    }
}

TEST_F(FrameTimerTest, FpsAveragesTheFramesSoFarTheFirstFrameRunsFromCreationAndTheTickWrapChangesNoLength)
{
    FrameTimer averaged;
    frame(averaged, 40);
    EXPECT_FLOAT_EQ(averaged.fps, 25.0f);
    for (int i = 0; i < 9; ++i) frame(averaged, 3);
    EXPECT_FLOAT_EQ(averaged.fps, 1000.0f / ((40.0f + 9 * 16.0f) / 10.0f));
    frame(averaged, 3);  // the 40 ms frame falls out of the ring of ten
    EXPECT_FLOAT_EQ(averaged.fps, 62.5f);

    FrameTimer loading;
    clock.advance(1200);  // loading textures and the first state
    loading.tick();
    EXPECT_EQ(loading.frameMs, 1200u);

    clock.now = 0xFFFFFFF0u;
    FrameTimer timer;
    frame(timer, 5);  // crosses zero during the delay
    EXPECT_EQ(std::make_pair(timer.frameMs, timer.lastTicks), std::make_pair(16u, 0u));
    frame(timer, 30);
    EXPECT_EQ(std::make_pair(timer.frameMs, timer.lastTicks), std::make_pair(30u, 30u));
}

}  // namespace
