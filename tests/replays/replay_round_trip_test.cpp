// Every stored track of every level and mode flown through the action state with uneven frames and
// from several kinds of start, recorded, written, read back and played: each frame the same, the same
// end, the same generator state after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "input_track.hpp"
#include "records/save_data.hpp"
#include "replays/replay_playback.hpp"
#include "replays/replay_file.hpp"
#include "states/action_state.hpp"
#include "states/track_flight.hpp"
#include "trial/play_options.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

// A fixed pattern of frame lengths between 16 and 40 ms.
const std::vector<std::uint32_t> unevenFrames = {16, 23, 40, 17, 31, 16, 16, 28, 35, 19};

std::string trackPath(int level, bool hardMode)
{
    return std::string(FEZZLE_TRACKS_DIR) + "/map" + (level < 10 ? "0" : "") + std::to_string(level) +
           (hardMode ? "-hard" : "-easy") + ".track";
}

class ReplayRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        copyLevelsAndDemos(FEZZLE_DATA_DIR);
        TickSource::install(&clock);
        logOf([&] { engine.initHeadless(); });
    }
    void TearDown() override
    {
        logOf([&] { engine.cleanup(); });
        TickSource::install(nullptr);
    }

    TrackFlight::Plan plan(int level, bool hardMode) const
    {
        TrackFlight::Plan flight;
        flight.level = level;
        flight.hardMode = hardMode;
        flight.keys = InputTrack::load(trackPath(level, hardMode)).frames;
        flight.frameMs = unevenFrames;
        return flight;
    }
    // Flies, writes, reads and plays the run; the ends of both must agree.
    void roundTrip(const TrackFlight::Plan& flight)
    {
        SCOPED_TRACE("map" + std::to_string(flight.level) + (flight.hardMode ? " hard" : " easy"));
        TrackFlight::End flown;
        Replay run;
        logOf([&] { run = TrackFlight::fly(engine, clock, flight, flown); });
        ASSERT_TRUE(flown.finished || flown.burst);
        const std::string path = ReplayFile::bestRunPath(flight.level, flight.hardMode);
        Replay back;
        const std::string log = logOf([&] {
            ASSERT_TRUE(ReplayFile::write(path, run));
            ASSERT_TRUE(ReplayFile::read(path, flight.level, flight.hardMode, back));
        });
        EXPECT_EQ(log, "");
        // At most 64 KB a minute of play, paused frames not counted.
        EXPECT_LE(std::filesystem::file_size(path) * 60000, 65536u * static_cast<std::uintmax_t>(flown.levelTime));
        // Watching leaves the player's records, save file, settings and generator as they were.
        const auto kept = [&] {
            return std::tuple(engine.saveData->toBytes(), readFile(SaveData::path), engine.effects->effectsOff,
                              GameRandom::shared().state());
        };
        const auto before = kept();
        TrackFlight::End played;
        logOf([&] { played = TrackFlight::play(engine, back); });
        EXPECT_TRUE(kept() == before);
        EXPECT_TRUE(played.matched);
        EXPECT_TRUE(std::tie(played.frames, played.finished, played.burst, played.levelTime, played.random) ==
                    std::tie(flown.frames, flown.finished, flown.burst, flown.levelTime, flown.random));
    }

    TempDir dir;
    ManualClock clock{61000};
    GameEngine engine;
};

TEST_F(ReplayRoundTripTest, EveryStoredTrackPlaysBackFrameForFrameFromAnyStart)
{
    for (int level = 0; level < 18; ++level) {
        for (const bool hardMode : {false, true}) {
            // Each run starts right after a watched one; some after time in the menu (the clock far on,
            // the frame count odd, the generator moved), with effects off, or on the fresh timer the
            // fullscreen switch makes (its frame count starts again at 0).
            if (level == 4 && !hardMode) {
                clock.advance(93017);
                engine.timer->setState(FrameTimer::State{clock.now, 5003});
                for (int i = 0; i < 1234; ++i) gameRand();
            }
            if (level == 2 && hardMode) engine.timer = std::make_unique<FrameTimer>();
            engine.effects->effectsOff = level == 7 && !hardMode;
            roundTrip(plan(level, hardMode));
        }
    }
}

TEST_F(ReplayRoundTripTest, EveryShippedDemoPlaysBackToTheToilet)
{
    for (int level = 0; level < 18; ++level) {
        for (const bool hardMode : {false, true}) {
            SCOPED_TRACE("map" + std::to_string(level) + (hardMode ? " hard" : " easy"));
            Replay demo;
            TrackFlight::End played;
            const std::string log = logOf([&] {
                ASSERT_TRUE(ReplayFile::read(ReplayFile::demoPath(level, hardMode), level, hardMode, demo));
                played = TrackFlight::play(engine, demo);
            });
            EXPECT_TRUE(played.matched && played.finished);
            EXPECT_EQ(played.levelTime, demo.header.finishTime);
        }
    }
}

TEST_F(ReplayRoundTripTest, AWatchedRunShowsNoGhostNoComparisonAndKeepsTheViewersOptions)
{
    TrackFlight::End flown;
    Replay run;
    TrackFlight::Plan flight = plan(0, false);
    flight.frameMs = {16};
    logOf([&] { run = TrackFlight::fly(engine, clock, flight, flown); });
    ASSERT_TRUE(flown.finished);
    // Its own best run is there to be a ghost, and the player hid the ghost during the run.
    ASSERT_TRUE(ReplayFile::write(ReplayFile::bestRunPath(0, false), run));
    const auto later =
        std::find_if(run.events.begin(), run.events.end(), [](const ReplayEvent& e) { return e.frame > 1; });
    run.events.insert(later, ReplayEvent{1, Input::Kind::KeyDown, InputAction::Ghost});
    ActionState watched({}, std::make_unique<ReplayPlayback>(run, "(watched run)"));
    logOf([&] {
        watched.init(&engine);
        watched.playOut(&engine);
    });
    EXPECT_TRUE(watched.watchMatched());
    EXPECT_TRUE(watched.hat->goalReached);
    EXPECT_EQ(watched.ghost, nullptr);
    EXPECT_EQ(watched.report, nullptr) << "no difference and no medal";
    EXPECT_TRUE(engine.playOptions().ghostShown);
    EXPECT_FALSE(std::filesystem::exists(PlayOptions::path));
    logOf([&] { watched.cleanup(&engine); });
}

}  // namespace
