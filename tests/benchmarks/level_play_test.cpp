// The plays the figures come from: a stored track that no longer reaches the toilet would time a short crash.
#include <gtest/gtest.h>

#include "bench_data_dir.hpp"
#include "level_play.hpp"

namespace {

constexpr int busiestLevel = 16;  // map16: the most entities at once (scripts/bench picks it the same way)
constexpr int frameMs = 16;

TEST(LevelPlay, TheBusiestLevelsTrackReachesTheToiletInBothWaysOfPlaying)
{
    const BenchDataDir work(FEZZLE_DATA_DIR);
    if (!work.ready()) GTEST_SKIP() << "no built maps under " << FEZZLE_DATA_DIR;
    const InputTrack track = storedTrack(busiestLevel, false);
    ASSERT_FALSE(track.frames.empty());
    LevelPlay drawn(busiestLevel, false, track);
    while (!drawn.over()) drawn.wholeFrame();
    EXPECT_TRUE(drawn.reachedToilet()) << "after " << drawn.frames << " frames";
    EXPECT_EQ(drawn.clock.now - LevelPlay::startClockMs, static_cast<std::uint32_t>(drawn.frames * frameMs))
        << "every frame is exactly 16 ms of the play's own clock";

    LevelPlay updated(busiestLevel, false, track);
    while (!updated.over()) updated.updateFrame();
    EXPECT_EQ(updated.frames, drawn.frames) << "the update alone plays the same level";
}

}  // namespace
