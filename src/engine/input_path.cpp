#include "engine/input_path.hpp"

#include <array>

#include "engine/game_engine.hpp"
#include "input/pad_input.hpp"

namespace {

constexpr std::size_t columnCount = static_cast<std::size_t>(InputColumn::Count);

struct KeyRow {
    SDLKey key;
    std::array<InputAction, columnCount> meaning;
};

// Arrows and a, d, w fly the hat; Escape leaves either state; the digit 1 finishes a level with
// twenty minutes added; r starts the level again and g shows or hides the ghost. The Down arrow
// and s mean nothing in play; Right and d in the menu watch a level's best run.
constexpr std::array<KeyRow, 14> keyTable = {{
    //  key           menu                   play
    {SDLK_UP, {InputAction::Up, InputAction::Thrust}},
    {SDLK_w, {InputAction::Up, InputAction::Thrust}},
    {SDLK_DOWN, {InputAction::Down, InputAction::None}},
    {SDLK_s, {InputAction::Down, InputAction::None}},
    {SDLK_LEFT, {InputAction::None, InputAction::Left}},
    {SDLK_a, {InputAction::None, InputAction::Left}},
    {SDLK_RIGHT, {InputAction::Watch, InputAction::Right}},
    {SDLK_d, {InputAction::Watch, InputAction::Right}},
    {SDLK_RETURN, {InputAction::Choose, InputAction::None}},
    {SDLK_SPACE, {InputAction::Choose, InputAction::None}},
    {SDLK_ESCAPE, {InputAction::Back, InputAction::Back}},
    {SDLK_1, {InputAction::None, InputAction::Finish}},
    {SDLK_r, {InputAction::None, InputAction::Retry}},
    {SDLK_g, {InputAction::None, InputAction::Ghost}},
}};

// A pad control as the key it stands for, a column per state: the D-pad and the stick are the
// arrows, the first button thrusts in play and chooses in the menu, the second is Escape. Any other
// button is a key no state knows (it still resumes a paused level).
struct PadRow {
    PadControl control;
    std::array<SDLKey, columnCount> key;
};

constexpr std::array<PadRow, padControlCount> padTable = {{
    //  control                 menu          play
    {PadControl::Left, {SDLK_LEFT, SDLK_LEFT}},
    {PadControl::Right, {SDLK_RIGHT, SDLK_RIGHT}},
    {PadControl::Up, {SDLK_UP, SDLK_UP}},
    {PadControl::Down, {SDLK_DOWN, SDLK_DOWN}},
    {PadControl::Button0, {SDLK_RETURN, SDLK_UP}},
    {PadControl::Button1, {SDLK_ESCAPE, SDLK_ESCAPE}},
    {PadControl::OtherButton, {SDLK_UNKNOWN, SDLK_UNKNOWN}},
}};

constexpr bool padTableInControlOrder()
{
    for (std::size_t row = 0; row < padTable.size(); ++row) {
        if (static_cast<std::size_t>(padTable[row].control) != row) {
            return false;
        }
    }
    return true;
}
static_assert(padTableInControlOrder(), "the pad table is looked up by control");

std::size_t indexOf(InputColumn column)
{
    return static_cast<std::size_t>(column);
}

SDLKey padKey(PadControl control, InputColumn column)
{
    return padTable[static_cast<std::size_t>(control)].key[indexOf(column)];
}

bool padHolds(const PadInput& pad, InputAction action, InputColumn column)
{
    for (const PadRow& row : padTable) {
        if (pad.holds(row.control) && InputPath::actionOf(row.key[indexOf(column)], column) == action) {
            return true;
        }
    }
    return false;
}

bool keyboardHolds(InputAction action, InputColumn column)
{
    const Uint8* down = SDL_GetKeyState(nullptr);
    for (const KeyRow& row : keyTable) {
        if (row.meaning[indexOf(column)] == action && down[row.key] != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

InputAction InputPath::actionOf(SDLKey key, InputColumn column)
{
    for (const KeyRow& row : keyTable) {
        if (row.key == key) {
            return row.meaning[indexOf(column)];
        }
    }
    return InputAction::None;
}

bool InputPath::translate(const SDL_Event& event, InputColumn column, Input& input)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        input.kind = event.type == SDL_KEYDOWN ? Input::Kind::KeyDown : Input::Kind::KeyUp;
        input.key = event.key.keysym.sym;
        input.action = actionOf(input.key, column);
        return true;
    // Losing the mouse or the keyboard, or being iconified: all the same.
    case SDL_ACTIVEEVENT: input.kind = Input::Kind::FocusLost; return event.active.gain == 0;
    case SDL_QUIT: input.kind = Input::Kind::Quit; return true;
    default: return false;
    }
}

bool InputPath::heldByOther(const Input& keyUp, Source from, const PadInput& pad, InputColumn column)
{
    if (keyUp.action == InputAction::None) {
        return false;
    }
    // The pad's own controls count for the pad too: letting go of the D-pad while the stick still
    // points the same way lets go of nothing. Two keyboard keys are left as they always were.
    return padHolds(pad, keyUp.action, column) || (from == Source::Pad && keyboardHolds(keyUp.action, column));
}

bool InputPath::handOn(const SDL_Event& event, InputColumn column, PadInput& pad, const Taker& take)
{
    switch (event.type) {
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        for (const PadChange& change : pad.take(event)) {
            Input input;
            input.kind = change.pressed ? Input::Kind::KeyDown : Input::Kind::KeyUp;
            input.key = padKey(change.control, column);
            input.action = actionOf(input.key, column);
            if (input.kind == Input::Kind::KeyUp && heldByOther(input, Source::Pad, pad, column)) {
                continue;
            }
            if (take(input)) {
                return true;
            }
        }
        return false;
    default: {
        Input input;
        if (!translate(event, column, input)) {
            return false;
        }
        if (input.kind == Input::Kind::KeyUp && heldByOther(input, Source::Keyboard, pad, column)) {
            return false;
        }
        return take(input);
    }
    }
}

void InputPath::read(GameEngine* engine, InputColumn column, const Taker& take)
{
    while (SDL_PollEvent(&engine->event) != 0) {
        if (handOn(engine->event, column, engine->padInput, take)) {
            return;
        }
    }
}
