// A real engine started in a fresh working folder, its start-up log kept, cleaned up after the test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/game_engine.hpp"
#include "support/test_support.hpp"

namespace testing_support {

class EngineTest : public ::testing::Test {
protected:
    void start()
    {
        log = logOf([&] { engine.init("Fezzle Flyer Deluxe", 800, 600, 32, false); });
    }
    // The fullscreen switch as a test can run it: Xvfb offers no fullscreen mode, so it reopens windowed.
    std::string switchScreen()
    {
        return logOf([&] {
            engine.toggleFullscreen();
            engine.fullscreen = false;
            engine.init("Fezzle Flyer Deluxe", 800, 600, 32, false);
        });
    }
    void TearDown() override
    {
        logOf([&] { engine.cleanup(); });
    }

    TempDir dir;
    GameEngine engine;
    std::string log;
};

}  // namespace testing_support
