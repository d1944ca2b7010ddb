// A level played in-process from start to finish: a real engine on a manual clock runs the main
// loop's steps over a level whose start point sits above the toilet, and a pushed key starts it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <functional>
#include <memory>

#include "engine/manual_clock.hpp"
#include "engine/tick_source.hpp"
#include "entities/hat.hpp"
#include "graphics/video.hpp"
#include "states/action_state.hpp"
#include "support/engine_test.hpp"
#include "world/level_file.hpp"

using namespace testing_support;

namespace {

constexpr int playedLevel = 2;

class LevelPlayTest : public EngineTest {
protected:
    void SetUp() override
    {
        TickSource::install(&clock);
        // Start point at (320, 160), so the hat's box spans y 210 to 240; the toilet's top is at y 384.
        LevelFile()
            .set(LevelFile::Grid::Objects, 10, 5, 1)
            .set(LevelFile::Grid::Objects, 10, 12, 2)
            .write("data/maps/map" + std::to_string(playedLevel) + ".mp");
        start();
        engine.level = playedLevel;
        ::testing::internal::CaptureStdout();
        engine.changeState(std::make_unique<ActionState>());
        ::testing::internal::GetCapturedStdout();
        state = static_cast<ActionState*>(engine.state.get());
        hat = state->hat;
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        TickSource::install(nullptr);
    }

    // One pass of the main loop.
    void runFrame()
    {
        ::testing::internal::CaptureStdout();
        clearFrame();
        engine.update();
        engine.draw();
        engine.handleEvents();
        SDL_GL_SwapBuffers();
        ::testing::internal::GetCapturedStdout();
    }
    // Frames until the condition holds; how many it took, or -1 after the limit.
    int framesUntil(const std::function<bool()>& done, int limit)
    {
        for (int frame = 1; frame <= limit; ++frame) {
            runFrame();
            if (done()) {
                return frame;
            }
        }
        return -1;
    }

    ManualClock clock{1000};
    ActionState* state = nullptr;
    Hat* hat = nullptr;
};

TEST_F(LevelPlayTest, FromThePausedStartDownIntoTheToiletAndBackToTheMenu)
{
    for (int i = 0; i < 30; ++i) {
        runFrame();
    }
    EXPECT_FALSE(state->active) << "waits for a key";
    EXPECT_EQ(hat->position.y, 210.0f);
    EXPECT_EQ(hat->levelTime, 0);

    // A key that steers nothing: the hat just drops.
    SDL_Event down{};
    down.type = SDL_KEYDOWN;
    down.key.keysym.sym = SDLK_DOWN;
    SDL_PushEvent(&down);
    runFrame();
    EXPECT_TRUE(state->active);

    const int fallFrames = framesUntil([this] { return hat->goalReached; }, 300);
    ASSERT_GT(fallFrames, 0) << "never reached the toilet; the hat is at y " << hat->position.y;
    // The toilet takes its turn before the hat's: in the frame it finishes, the hat's clock is already stopped.
    EXPECT_EQ(hat->levelTime, 16 * (fallFrames - 1));
    // 144 px from rest under a pull of about 450 px/s^2 takes most of a second.
    EXPECT_GT(hat->levelTime, 500);
    EXPECT_LT(hat->levelTime, 1500);
    EXPECT_EQ(state->finishTime, engine.timer->lastTicks) << "noted in the same frame's draw";

    SaveData stored;
    ASSERT_TRUE(stored.load());
    EXPECT_EQ(stored.records[playedLevel], hat->levelTime) << "in the level's easy slot of data/dat/game.dat";

    const int waitFrames = framesUntil([this] { return engine.state->name == "MenuState"; }, 300);
    EXPECT_EQ(waitFrames, 126) << "the first frame more than 2000 ms (125 frames) after the finish";
}

}  // namespace
