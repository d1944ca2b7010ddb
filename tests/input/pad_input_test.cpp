// Key, window and joystick events pushed into SDL's queue and read through the one input path:
// what each hands the state reading it.
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

using Takes = std::vector<std::pair<Input::Kind, InputAction>>;

constexpr Input::Kind down = Input::Kind::KeyDown;
constexpr Input::Kind up = Input::Kind::KeyUp;
constexpr InputAction none = InputAction::None;
constexpr InputAction left = InputAction::Left;
constexpr InputAction right = InputAction::Right;
constexpr InputAction thrust = InputAction::Thrust;

struct Step {
    SDL_Event event;
    Takes expected;
};

SDL_Event key(SDLKey sym, bool pressed)
{
    SDL_Event event{};
    event.type = pressed ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.sym = sym;
    return event;
}

class PadInputTest : public EventQueueTest {
protected:
    void run(const std::vector<Step>& steps, InputColumn column = InputColumn::Play)
    {
        for (std::size_t index = 0; index < steps.size(); ++index) {
            const SDL_Event& event = steps[index].event;
            if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) {
                // As SDL has it: the keyboard's state changed by the time its event is read.
                SDL_GetKeyState(nullptr)[event.key.keysym.sym] = event.type == SDL_KEYDOWN ? 1 : 0;
            }
            pushEvent(event);
            Takes taken;
            InputPath::read(&engine, column, [&](const Input& input) {
                taken.emplace_back(input.kind, input.action);
                return false;
            });
            EXPECT_EQ(taken, steps[index].expected) << "step " << index;
        }
    }

    GameEngine engine;
};

TEST_F(PadInputTest, EventsComeInQueueOrderWhatMeansNothingIsPassedOverAndReadingStopsWhenTheStateIsLeft)
{
    pushFocus(SDL_APPINPUTFOCUS, 1);
    pushKey(SDLK_q);
    pushBare(SDL_MOUSEMOTION);
    pushKey(SDLK_LEFT, false);
    pushFocus(SDL_APPINPUTFOCUS, 0);
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_w);
    pushBare(SDL_QUIT);
    Takes taken;
    const auto take = [&taken](const Input& input) {
        taken.emplace_back(input.kind, input.action);
        return input.action == InputAction::Back;
    };
    InputPath::read(&engine, InputColumn::Play, take);
    EXPECT_EQ(taken, (Takes{{down, none}, {up, left}, {Input::Kind::FocusLost, none}, {down, InputAction::Back}}))
        << "an unknown key still comes (it resumes a paused level); focus gained and the mouse do not";

    // The rest waits for the next state, which reads it in its own column.
    taken.clear();
    InputPath::read(&engine, InputColumn::Menu, take);
    EXPECT_EQ(taken, (Takes{{down, InputAction::Up}, {Input::Kind::Quit, none}}));
    EXPECT_EQ(engine.event.type, SDL_QUIT) << "each event is read into the engine's event record";
}

TEST_F(PadInputTest, TheStickPressesBeyondAThirdAndLetsGoOnlyBelowASixth)
{
    run({{padAxis(0, 10922), {}},
         {padAxis(0, 10923), {{down, right}}},
         {padAxis(0, 5461), {}},
         {padAxis(0, 5460), {{up, right}}},
         {padAxis(0, -10923), {{down, left}}},
         {padAxis(0, -5461), {}},
         {padAxis(0, -5460), {{up, left}}},
         {padAxis(0, -32768), {{down, left}}},
         {padAxis(0, 32767), {{up, left}, {down, right}}},
         {padAxis(0, -8000), {{up, right}}},  // past the middle, not far enough for the other side
         {padAxis(1, -10923), {{down, thrust}}},
         {padAxis(1, 10923), {{up, thrust}, {down, none}}},  // down means nothing in play
         {padAxis(2, 32767), {}},                            // the second stick is not read
         {padAxis(0, -20000, 1), {{down, left}}},
         {padAxis(0, -20000, 2), {}},
         {padAxis(0, 0, 1), {}},  // another pad still holds it
         {padAxis(0, 0, 2), {{up, left}}}});
}

TEST_F(PadInputTest, EveryDPadPositionHoldsItsDirectionsAndButtonsMeanTheirKeysInEachState)
{
    const std::vector<std::pair<Uint8, std::vector<InputAction>>> positions = {
        {SDL_HAT_UP, {thrust}},   {SDL_HAT_RIGHTUP, {right, thrust}},
        {SDL_HAT_RIGHT, {right}}, {SDL_HAT_RIGHTDOWN, {right, none}},
        {SDL_HAT_DOWN, {none}},   {SDL_HAT_LEFTDOWN, {left, none}},
        {SDL_HAT_LEFT, {left}},   {SDL_HAT_LEFTUP, {left, thrust}}};
    for (const auto& [position, actions] : positions) {
        Step pressed{padHat(position), {}};
        Step released{padHat(SDL_HAT_CENTERED), {}};
        for (const InputAction action : actions) {
            pressed.expected.emplace_back(down, action);
            released.expected.emplace_back(up, action);
        }
        run({pressed, released});
    }
    // In the menu the stick and the D-pad step once per push; Right there watches a level's best run.
    run({{padAxis(1, -20000), {{down, InputAction::Up}}},
         {padAxis(1, -8000), {}},
         {padAxis(1, -20000), {}},
         {padAxis(1, -3000), {{up, InputAction::Up}}},
         {padAxis(1, 11000), {{down, InputAction::Down}}},
         {padAxis(1, 0), {{up, InputAction::Down}}},
         {padHat(SDL_HAT_RIGHTDOWN), {{down, InputAction::Watch}, {down, InputAction::Down}}},
         {padHat(SDL_HAT_CENTERED), {{up, InputAction::Watch}, {up, InputAction::Down}}}},
        InputColumn::Menu);

    // Corner to corner lets go first; a second hat is not the D-pad.
    run({{padHat(SDL_HAT_LEFTUP), {{down, left}, {down, thrust}}},
         {padHat(SDL_HAT_RIGHTDOWN), {{up, left}, {up, thrust}, {down, right}, {down, none}}},
         {padHat(SDL_HAT_UP, 1), {}}});

    // Any button past the second is a key no state knows; a let-go of what was not held is nothing.
    for (const InputColumn column : {InputColumn::Play, InputColumn::Menu}) {
        const InputAction first = column == InputColumn::Play ? thrust : InputAction::Choose;
        run({{padButton(0, true), {{down, first}}},
             {padButton(0, false), {{up, first}}},
             {padButton(1, true), {{down, InputAction::Back}}},
             {padButton(1, false), {{up, InputAction::Back}}},
             {padButton(7, true), {{down, none}}},
             {padButton(7, false), {}},
             {padButton(0, false), {}}},
            column);
    }
}

TEST_F(PadInputTest, LettingGoOfOneSourceKeepsWhatTheOtherHoldsButTwoKeysStayAsTheyWere)
{
    run({{key(SDLK_LEFT, true), {{down, left}}},
         {padHat(SDL_HAT_LEFT), {{down, left}}},
         {key(SDLK_LEFT, false), {}},
         {padHat(SDL_HAT_CENTERED), {{up, left}}}});
    run({{padButton(0, true), {{down, thrust}}},
         {key(SDLK_w, true), {{down, thrust}}},
         {padButton(0, false), {}},
         {key(SDLK_w, false), {{up, thrust}}}});
    // Within the pad as well: the first button still thrusts when the stick lets go.
    run({{padAxis(1, -32768), {{down, thrust}}},
         {padButton(0, true), {{down, thrust}}},
         {padAxis(1, 0), {}},
         {padButton(0, false), {{up, thrust}}}});
    run({{key(SDLK_a, true), {{down, left}}},
         {key(SDLK_LEFT, true), {{down, left}}},
         {key(SDLK_a, false), {{up, left}}},
         {key(SDLK_LEFT, false), {{up, left}}}});
}

}  // namespace
