// The action state in a real engine, driven by synthetic SDL events: the paused start, the key
// table and pause rules, Escape and the skip key, one record per finish, and the camera clamp.
#include <gtest/gtest.h>

#include <SDL.h>
#include <array>
#include <initializer_list>
#include <memory>
#include <utility>
#include <string>

#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "states/action_state.hpp"
#include "support/engine_test.hpp"
#include "world/level_file.hpp"

using namespace testing_support;

namespace {

constexpr int chosenLevel = 4;

class ActionStateTest : public EngineTest {
protected:
    void SetUp() override
    {
        // A start point in column 10, row 5: the hat begins at (370, 210).
        LevelFile().set(LevelFile::Grid::Objects, 10, 5, 1).write("data/maps/map4.mp");
        start();
        engine.level = chosenLevel;
    }
    ActionState* enter()
    {
        entryLog = logOf([&] { engine.changeState(std::make_unique<ActionState>()); });
        SDL_Event ignored;
        while (SDL_PollEvent(&ignored) != 0) {
        }
        auto* state = static_cast<ActionState*>(engine.state.get());
        hat = state->hat;
        return state;
    }
    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    void press(std::initializer_list<SDLKey> syms, bool down = true)
    {
        for (const SDLKey sym : syms) {
            SDL_Event event{};
            event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
            event.key.keysym.sym = sym;
            push(event);
        }
        handle();
    }
    // Escape changes state in here, which logs.
    void handle()
    {
        logOf([&] { engine.handleEvents(); });
    }

    std::string entryLog;
    Hat* hat = nullptr;
};

TEST_F(ActionStateTest, StartsPausedAndKeysResumeThenDriveTheHatAndEscapeLeavesForTheMenu)
{
    engine.saveData->hardMode = 1;
    ActionState* state = enter();
    EXPECT_NE(entryLog.find("  ActionState::init()\nLoaded ./data/maps/map4.mp\n"), std::string::npos) << entryLog;
    EXPECT_FALSE(state->active);
    EXPECT_TRUE(hat->hardMode);
    EXPECT_EQ(std::pair(hat->position.x, hat->position.y), std::pair(370.0f, 210.0f)) << "on map4.mp's start point";

    press({SDLK_LEFT});
    EXPECT_TRUE(state->active);
    EXPECT_TRUE(hat->keyLeft) << "the key that resumes also acts";

    // Each key sets its own flag going down and clears only it going up.
    bool Hat::*const flags[] = {&Hat::keyLeft, &Hat::keyRight, &Hat::keyThrust};
    const std::pair<SDLKey, bool Hat::*> bindings[] = {
        {SDLK_a, &Hat::keyLeft},   {SDLK_LEFT, &Hat::keyLeft}, {SDLK_d, &Hat::keyRight}, {SDLK_RIGHT, &Hat::keyRight},
        {SDLK_w, &Hat::keyThrust}, {SDLK_UP, &Hat::keyThrust}, {SDLK_DOWN, nullptr}};
    for (const auto& [sym, bound] : bindings) {
        for (const bool down : {true, false}) {
            for (bool Hat::*flag : flags) {
                hat->*flag = !down;
            }
            press({sym}, down);
            for (bool Hat::*flag : flags) {
                EXPECT_EQ(hat->*flag, (flag == bound) == down) << "key " << sym << (down ? " down" : " up");
            }
        }
    }

    // Losing the mouse, the keyboard or the window pauses; only a key resumes.
    for (const int which : {SDL_APPMOUSEFOCUS, SDL_APPINPUTFOCUS, SDL_APPACTIVE}) {
        for (const Uint8 gain : {0, 1}) {
            SDL_Event focus{};
            focus.type = SDL_ACTIVEEVENT;
            focus.active.state = static_cast<Uint8>(which);
            focus.active.gain = gain;
            push(focus);
            handle();
            EXPECT_FALSE(state->active) << "focus " << which << (gain ? " regained" : " lost");
        }
        press({SDLK_s});
        EXPECT_TRUE(state->active);
    }

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    handle();
    EXPECT_FALSE(engine.running);

    // Escape goes to a new menu and leaves the rest of the queue to it.
    press({SDLK_ESCAPE, SDLK_w});
    EXPECT_EQ(engine.state->name, "MenuState");
    SDL_Event left{};
    ASSERT_EQ(SDL_PollEvent(&left), 1) << "the w key is still queued";
    EXPECT_EQ(left.key.keysym.sym, SDLK_w);
}

TEST_F(ActionStateTest, TheFinishSubmitsItsTimeOnceAndTheSkipKeyNeverFinishesABurstHat)
{
    ActionState* state = enter();
    hat->failed = true;
    press({SDLK_1});
    EXPECT_FALSE(hat->goalReached) << "after a burst only Escape leaves";

    hat->failed = false;
    hat->levelTime = 83456;
    press({SDLK_1, SDLK_1});
    EXPECT_TRUE(hat->goalReached);
    EXPECT_EQ(hat->levelTime, 83456 + 1200000) << "twenty minutes added, once";

    engine.timer->lastTicks = 123456;
    state->draw(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_TRUE(hat->newRecord);
    const std::vector<std::uint8_t> file = readFile("data/dat/game.dat");
    hat->levelTime = 1000;
    engine.timer->lastTicks += 16;
    state->draw(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 83456 + 1200000) << "submitted only once";
    EXPECT_EQ(readFile("data/dat/game.dat"), file);
}

TEST_F(ActionStateTest, TheCameraFollowsTheHatButStaysInsideTheLevel)
{
    ActionState* state = enter();
    // Hat centre, then the view's corner: inside, held at the top left, held at the bottom right.
    for (const auto& [cx, cy, x, y] :
         {std::array{6000, 400, 5600, 100}, std::array{100, 50, 0, 0}, std::array{11950, 790, 11200, 200}}) {
        hat->position.set(cx - 15.0f, cy - 15.0f, 0.0f);
        state->update(&engine);
        EXPECT_EQ(std::pair(viewRect.x, viewRect.y), std::pair(x, y)) << cx << "," << cy;
    }
}

}  // namespace
