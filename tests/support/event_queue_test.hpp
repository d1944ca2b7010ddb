// SDL's event queue without a display, emptied before each test: for tests that push events.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdlib>

namespace testing_support {

class EventQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The event queue needs SDL's video part, which the dummy driver gives without a display.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_Event drained;
        while (SDL_PollEvent(&drained) != 0) {
        }
    }
    void TearDown() override { SDL_Quit(); }
};

}  // namespace testing_support
