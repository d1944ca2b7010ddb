// The engine started for real under a display: window mode, stored settings, the second init, and
// one pass of the main loop. (A save that fails across the second init is the blocked-save run's.)
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/frame_loop.hpp"
#include "engine/game_engine.hpp"
#include "graphics/gl_test_window.hpp"
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

TEST_F(EngineGlTest, AQuitThatArrivesWhileThePadsOpenIsStillThereForTheFirstFrame)
{
    // The window's close button, or SIGTERM, in the moment between the window and the first frame.
    start();
    engine.pads.close();
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    engine.pads.open();
    bool quitRead = false;
    for (SDL_Event event{}; SDL_PollEvent(&event) == 1;) {
        quitRead = quitRead || event.type == SDL_QUIT;
    }
    EXPECT_TRUE(quitRead) << "the queue was emptied";
}

// A pass of the main loop: clear, update, draw, events, swap, in that order, seen by a state that
// looks at the frame's picture in each of its calls.
constexpr Rgb black{0, 0, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};

void paint(float r, float g, float b)
{
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Draws red; in its events it notes what the frame and the window show, then paints the frame blue,
// so that a frame shown without a clear, or before the events, would tell.
class LookingState : public GameState {
public:
    explicit LookingState(std::vector<std::string>& journal) : GameState("LookingState"), seen(journal) {}
    void init(GameEngine*) override {}
    void cleanup(GameEngine*) override {}
    void pause() override {}
    void resume() override {}
    void update(GameEngine*) override { seen.push_back(pixelAt(400, 300) == black ? "update, cleared" : "update"); }
    void draw(GameEngine*) override
    {
        paint(1.0f, 0.0f, 0.0f);
        seen.push_back("draw");
    }
    void handleEvents(GameEngine*) override
    {
        const bool drawn = pixelAt(400, 300) == red;
        const bool shown = shownPixelAt(400, 300) == red;
        seen.push_back(std::string("events") + (drawn ? ", drawn" : "") + (shown ? ", shown" : ""));
        paint(0.0f, 0.0f, 1.0f);
    }

private:
    std::vector<std::string>& seen;
};

TEST_F(EngineGlTest, AFrameClearsUpdatesDrawsReadsItsEventsAndThenShowsWhatWasDrawn)
{
    start();
    std::vector<std::string> seen;
    logOf([&] { engine.changeState(std::make_unique<LookingState>(seen)); });
    for (int frame = 0; frame < 2; ++frame) {
        runFrame(engine);
        EXPECT_EQ(shownPixelAt(400, 300), blue) << "shown after the events, frame " << frame;
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"update, cleared", "draw", "events, drawn", "update, cleared", "draw",
                                              "events, drawn"}));
}

}  // namespace
