// The frame timer's pacing and measurement, driven by a clock that only moves when told to.
#include <gtest/gtest.h>

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
    // body ms, frame ms, fps
    const std::uint32_t cases[][3] = {{3, 16, 62}, {40, 40, 25}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        clock.now = 1000;
        FrameTimer timer;
        for (int i = 0; i < 12; ++i) frame(timer, c[0]);
        // Time taken (no delay after a slow body), frame length, fps, frames.
        const auto fps = static_cast<std::uint32_t>(timer.fps);
        EXPECT_EQ(std::make_tuple(clock.now - 1000u, timer.frameMs, fps, timer.frameCount),
                  std::make_tuple(12 * c[1], c[1], c[2], 12u));
        EXPECT_FLOAT_EQ(timer.frameSeconds, static_cast<float>(c[1]) * 0.001f);
    }
}

TEST_F(FrameTimerTest, FpsAveragesOnlyTheFramesSoFarThenTheLastTen)
{
    FrameTimer timer;
    frame(timer, 40);
    EXPECT_FLOAT_EQ(timer.fps, 25.0f);
    for (int i = 0; i < 9; ++i) frame(timer, 3);
    EXPECT_FLOAT_EQ(timer.fps, 1000.0f / ((40.0f + 9 * 16.0f) / 10.0f));
    frame(timer, 3);  // the 40 ms frame falls out of the ring of ten
    EXPECT_FLOAT_EQ(timer.fps, 62.5f);
}

TEST_F(FrameTimerTest, FirstFrameMeasuresTheTimeSinceCreationAndTheTickWrapChangesNoLength)
{
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
