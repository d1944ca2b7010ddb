// The engine started for real under a display: window mode, stored settings and the second init.
// (A save that fails across the second init is the end-to-end blocked-save run's.)
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>
#include <utility>

#include "engine/game_engine.hpp"
#include "graphics/video.hpp"
#include "support/engine_test.hpp"
#include "support/scoped_env.hpp"

using namespace testing_support;

namespace {

using EngineGlTest = EngineTest;

TEST_F(EngineGlTest, FirstStartOpensAWindowedOpenGLModeAndWritesAFreshSaveFile)
{
    start();  // its log is compared whole by the end-to-end start test
    EXPECT_EQ(readFile("data/dat/game.dat"), std::vector<std::uint8_t>(152, 0));
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ((std::vector<long>{screen->w, screen->h, screen->flags & (SDL_OPENGL | SDL_FULLSCREEN)}),
              (std::vector<long>{800, 600, SDL_OPENGL}))
        << "windowed OpenGL";
    EXPECT_EQ(std::pair(videoModeFlags(false), videoModeFlags(true)), std::pair(0x00000002u, 0x80000002u))
        << "OpenGL, and fullscreen";
}

TEST_F(EngineGlTest, StoredSettingsReachTheServicesAndTheSecondInitStartsWithNoEffects)
{
    SaveData stored;
    stored.effectsOff = stored.soundOff = 1;
    ASSERT_TRUE(stored.save());
    start();
    ASSERT_NE(engine.effects, nullptr);
    EXPECT_TRUE(engine.effects->effectsOff && engine.soundSystem->soundOff && !engine.soundSystem->musicOff);

    EXPECT_FALSE(engine.toggleEffects());
    engine.effects->spawn(400, 300, 2, 0, 0.0f);
    ASSERT_EQ(engine.effects->effects.size(), 1u);
    switchScreen();
    ASSERT_NE(engine.effects, nullptr);
    EXPECT_TRUE(engine.effects->effects.empty());
    EXPECT_FALSE(engine.effects->effectsOff) << "the switch as last set";
}

TEST_F(EngineGlTest, PadsAreOpenedOnceLoggedEachAndTheSwitchLeavesThemOpen)
{
    // SDL takes the named file for a joystick without asking it anything; on SDL 1.2 over SDL2,
    // which asks, there is no pad at all and the counts are simply zero.
    const ScopedEnv device("SDL_JOYSTICK_DEVICE", "/dev/null");
    start();
    const int found = SDL_NumJoysticks();
    EXPECT_EQ(engine.pads.openCount(), found);
    const std::string opened = found > 0 ? "done.\nOpened joystick /dev/null\n Initializing OpenGL .. " : "";
    EXPECT_NE(log.find(opened), std::string::npos) << log;

    const std::string second = switchScreen();
    EXPECT_EQ(engine.pads.openCount(), found) << "neither opened again nor lost";
    EXPECT_EQ(second.find("joystick"), std::string::npos) << second;

    const std::string end = logOf([&] { engine.cleanup(); });
    EXPECT_EQ(engine.pads.openCount(), 0);
    EXPECT_EQ(end.find("joystick"), std::string::npos) << "closing is silent";
}

}  // namespace
