// The engine started for real under a display: window mode and the second init.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>
#include <utility>

#include "engine/game_engine.hpp"
#include "graphics/video.hpp"
#include "support/engine_test.hpp"

using namespace testing_support;

namespace {

using EngineGlTest = EngineTest;

TEST_F(EngineGlTest, FirstStartOpensAWindowedOpenGLModeAndASecondInitKeepsTheRecordsWhenTheWriteFailed)
{
    start();  // its log is compared whole by the end-to-end start test
    SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ((std::vector<long>{screen->w, screen->h, screen->flags & (SDL_OPENGL | SDL_FULLSCREEN)}),
              (std::vector<long>{800, 600, SDL_OPENGL}))
        << "windowed OpenGL";
    EXPECT_EQ(std::pair(videoModeFlags(false), videoModeFlags(true)), std::pair(0x00000002u, 0x80000002u))
        << "OpenGL, and fullscreen";

    engine.saveData->records[0] = 4242;
    engine.saveData->showFps = 1;
    makeDirs("data/dat/game.dat.tmp");  // writing the file fails from here on
    const std::string second = switchScreen();
    EXPECT_NE(second.find("Failed to save ./data/dat/game.dat\n"), std::string::npos);
    EXPECT_TRUE(engine.saveData->records[0] == 4242 && engine.saveData->showFps == 1) << "kept in memory";
    EXPECT_EQ(readFile("data/dat/game.dat"), std::vector<std::uint8_t>(152, 0)) << "the fresh file is whole";
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

}  // namespace
