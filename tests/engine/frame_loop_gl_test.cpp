// One pass of the main loop in a real window: clear, update, draw, events, swap, in that order, seen
// by a state that looks at the frame's picture in each of its calls.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame_loop.hpp"
#include "graphics/gl_test_window.hpp"
#include "support/engine_test.hpp"

using namespace testing_support;

namespace {

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

using FrameLoopGlTest = EngineTest;

TEST_F(FrameLoopGlTest, AFrameClearsUpdatesDrawsReadsItsEventsAndThenShowsWhatWasDrawn)
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
