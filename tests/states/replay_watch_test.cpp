// Watching a run from the level list and the attract mode, headless, on a clock moved by the test.
// (That watching leaves the records, the save file and the settings alone is the round trip's.)
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "replays/replay_file.hpp"
#include "replays/replay_playback.hpp"
#include "states/action_state.hpp"
#include "states/menu_state.hpp"
#include "support/scoped_env.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

constexpr int watchedLevel = 3;
constexpr int frameMs = 16;

constexpr Input space{Input::Kind::KeyDown, SDLK_SPACE};
constexpr Input anyKey{Input::Kind::KeyDown};

class ReplayWatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The built levels and their shipped demos; the one watched is a demo.
        copyLevelsAndDemos(FEZZLE_DATA_DIR);
        TickSource::install(&clock);
        logOf([&] { engine.initHeadless(); });
        ASSERT_TRUE(ReplayFile::read(ReplayFile::demoPath(watchedLevel, false), watchedLevel, false, run));
        // The levels before it done, so that the list holds it.
        for (int level = 0; level < watchedLevel; ++level) engine.saveData->records[level] = 5000;
    }
    void TearDown() override
    {
        logOf([&] { engine.cleanup(); });
        TickSource::install(nullptr);
    }

    ActionState* watch(const Replay& watched)
    {
        const std::string path = ReplayFile::bestRunPath(watched.header.level, watched.header.hardMode);
        logOf([&] {
            engine.changeState(std::make_unique<ActionState>(
                [] { return std::make_unique<MenuState>(MenuState::levelScreen, watchedLevel); },
                std::make_unique<ReplayPlayback>(watched, path)));
        });
        return static_cast<ActionState*>(engine.state.get());
    }
    // One frame of the main loop; true while the state stays.
    bool frame()
    {
        GameState* before = engine.state.get();
        clock.advance(frameMs);
        engine.timer->tick();
        log += logOf([&] { engine.state->update(&engine); });
        return engine.state.get() == before;
    }
    std::int32_t shownTime() { return static_cast<ActionState*>(engine.state.get())->hat->levelTime; }
    const MenuState& menu() { return *static_cast<MenuState*>(engine.state.get()); }

    TempDir dir;
    ManualClock clock{80000};
    GameEngine engine;
    Replay run;
    std::string log;
};

TEST_F(ReplayWatchTest, TheRunIsPacedHeldHurriedAndEndsOnTheList)
{
    ActionState* state = watch(run);
    // The start pause passes at once; then the run's clock keeps up with the real one.
    for (int i = 1; i <= 10; ++i) {
        ASSERT_TRUE(frame());
        EXPECT_NEAR(shownTime(), i * frameMs, 33) << "frame " << i;
    }
    state->watchInput(&engine, space);
    const std::int32_t held = shownTime();
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_EQ(shownTime(), held) << "Space holds the run";
    state->watchInput(&engine, space);
    state->watchInput(&engine, Input{Input::Kind::KeyDown, SDLK_UNKNOWN, InputAction::Right});
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_NEAR(shownTime() - held, 4 * 5 * frameMs, 33) << "Right held: four times as fast";
    state->watchInput(&engine, Input{Input::Kind::KeyUp, SDLK_UNKNOWN, InputAction::Right});
    EXPECT_FALSE(state->hat->keyRight) << "the viewer's keys never reach the hat";

    int frames = 0;
    while (frame()) ++frames;
    EXPECT_TRUE(state != static_cast<void*>(engine.state.get()));
    EXPECT_EQ(menu().screen, MenuState::levelScreen);
    EXPECT_EQ(menu().selection, watchedLevel);
    EXPECT_EQ(log,
              ": Moving to state MenuState\n  Initializing new state\n  MenuState::init()\n  Initializing went ok\n");
    // The last frames of the run and then two seconds of its end.
    EXPECT_GE(frames * frameMs, static_cast<int>(ActionState::finishShownMs));
    EXPECT_LE(frames * frameMs, run.header.finishTime + static_cast<int>(ActionState::finishShownMs) + 100);
}

TEST_F(ReplayWatchTest, EscapeLeavesAtOnceAndARunThatNoLongerMatchesStopsWithOneLine)
{
    ActionState* state = watch(run);
    frame();
    EXPECT_TRUE(
        logOf([&] {
            EXPECT_TRUE(state->watchInput(&engine, Input{Input::Kind::KeyDown, SDLK_UNKNOWN, InputAction::Back}));
        }).find(": Moving to state MenuState") != std::string::npos);
    EXPECT_EQ(menu().selection, watchedLevel);

    Replay other = run;
    other.samples[3].x += 1.0f;
    state = watch(other);
    for (int i = 0; i < 10; ++i) frame();
    EXPECT_FALSE(state->watchMatched());
    EXPECT_NE(log.find("Ignored replay ./data/dat/replays/map3-easy.rpl: samples disagree with the run\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Ignored replay"), log.rfind("Ignored replay")) << "one line";
    EXPECT_LT(shownTime(), 100) << "stopped where it differed";
}

TEST_F(ReplayWatchTest, TheIdleMainMenuPlaysBestRunsOrElseTheDemosOfOpenLevelsInTurn)
{
    const ScopedEnv wait(MenuState::attractWaitVariable, "1000");
    // Easy levels 1 to 4 open, hard level 1; no best run yet, and level 3's demo missing.
    std::filesystem::remove(ReplayFile::demoPath(2, false));
    logOf([&] { engine.changeState(std::make_unique<MenuState>(MenuState::mainScreen, 2)); });
    // The demos of the open levels in level and mode order, then round again.
    for (const char* expected :
         {"./data/demos/map0-easy.rpl", "./data/demos/map0-hard.rpl", "./data/demos/map1-easy.rpl",
          "./data/demos/map3-easy.rpl", "./data/demos/map0-easy.rpl"}) {
        int frames = 0;
        while (frame()) ++frames;
        EXPECT_NEAR(frames * frameMs, 1000, 2 * frameMs);
        auto* attract = static_cast<ActionState*>(engine.state.get());
        EXPECT_EQ(attract->playback->path(), expected);
        frame();
        logOf([&] { EXPECT_TRUE(attract->watchInput(&engine, anyKey)); });
        EXPECT_EQ(menu().screen, MenuState::mainScreen);
        EXPECT_EQ(menu().selection, 2) << "the highlight where it was";
    }
    // A best run of the player's own comes before any demo.
    Replay best;
    ASSERT_TRUE(ReplayFile::read(ReplayFile::demoPath(watchedLevel, true), watchedLevel, true, best));
    ASSERT_TRUE(ReplayFile::write(ReplayFile::bestRunPath(watchedLevel, true), best));
    while (frame()) {
    }
    EXPECT_EQ(static_cast<ActionState*>(engine.state.get())->playback->path(), "./data/dat/replays/map3-hard.rpl");
}

}  // namespace
