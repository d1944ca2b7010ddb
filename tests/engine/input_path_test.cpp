// The one input path: events taken in queue order, the ones no state reacts to passed over, every
// key down handed on whether a state knows it or not, and reading stopped as soon as a state is left.
#include <gtest/gtest.h>

#include <SDL.h>
#include <utility>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/input_path.hpp"
#include "support/event_queue_test.hpp"
#include "support/sdl_events.hpp"

using namespace testing_support;

namespace {

using InputPathTest = EventQueueTest;
using Taken = std::pair<Input::Kind, InputAction>;

TEST_F(InputPathTest, TakesEventsInOrderPassesOverWhatMeansNothingAndStopsWhenTheStateIsLeft)
{
    GameEngine engine;
    pushFocus(SDL_APPINPUTFOCUS, 1);
    pushKey(SDLK_q);
    pushBare(SDL_MOUSEMOTION);
    pushKey(SDLK_LEFT, false);
    pushFocus(SDL_APPINPUTFOCUS, 0);
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_w);
    pushBare(SDL_QUIT);

    std::vector<Taken> taken;
    InputPath::read(&engine, InputColumn::Play, [&](const Input& input) {
        taken.emplace_back(input.kind, input.action);
        return input.action == InputAction::Back;
    });
    EXPECT_EQ(taken, (std::vector<Taken>{{Input::Kind::KeyDown, InputAction::None},
                                         {Input::Kind::KeyUp, InputAction::Left},
                                         {Input::Kind::FocusLost, InputAction::None},
                                         {Input::Kind::KeyDown, InputAction::Back}}))
        << "an unknown key still comes (it resumes a paused level); focus gained and the mouse do not";

    // The rest waits for the next state, which reads it in its own column.
    taken.clear();
    InputPath::read(&engine, InputColumn::Menu, [&](const Input& input) {
        taken.emplace_back(input.kind, input.action);
        return false;
    });
    EXPECT_EQ(taken,
              (std::vector<Taken>{{Input::Kind::KeyDown, InputAction::Up}, {Input::Kind::Quit, InputAction::None}}));
    EXPECT_EQ(engine.event.type, SDL_QUIT) << "each event is read into the engine's event record";
}

}  // namespace
