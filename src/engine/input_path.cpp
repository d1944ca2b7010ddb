#include "engine/input_path.hpp"

#include <array>

#include "engine/game_engine.hpp"

namespace {

constexpr std::size_t columnCount = static_cast<std::size_t>(InputColumn::Count);

struct KeyRow {
    SDLKey key;
    std::array<InputAction, columnCount> meaning;
};

// Arrows and a, d, w fly the hat; Escape leaves either state; the digit 1 finishes a level with
// twenty minutes added; r starts the level again and g shows or hides the ghost. The Down arrow
// and s mean nothing in play.
constexpr std::array<KeyRow, 14> keyTable = {{
    //  key           menu                   play
    {SDLK_UP, {InputAction::Up, InputAction::Thrust}},
    {SDLK_w, {InputAction::Up, InputAction::Thrust}},
    {SDLK_DOWN, {InputAction::Down, InputAction::None}},
    {SDLK_s, {InputAction::Down, InputAction::None}},
    {SDLK_LEFT, {InputAction::None, InputAction::Left}},
    {SDLK_a, {InputAction::None, InputAction::Left}},
    {SDLK_RIGHT, {InputAction::None, InputAction::Right}},
    {SDLK_d, {InputAction::None, InputAction::Right}},
    {SDLK_RETURN, {InputAction::Choose, InputAction::None}},
    {SDLK_SPACE, {InputAction::Choose, InputAction::None}},
    {SDLK_ESCAPE, {InputAction::Back, InputAction::Back}},
    {SDLK_1, {InputAction::None, InputAction::Finish}},
    {SDLK_r, {InputAction::None, InputAction::Retry}},
    {SDLK_g, {InputAction::None, InputAction::Ghost}},
}};

}  // namespace

InputAction InputPath::actionOf(SDLKey key, InputColumn column)
{
    for (const KeyRow& row : keyTable) {
        if (row.key == key) {
            return row.meaning[static_cast<std::size_t>(column)];
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

void InputPath::read(GameEngine* engine, InputColumn column, const Taker& take)
{
    while (SDL_PollEvent(&engine->event) != 0) {
        Input input;
        if (translate(engine->event, column, input) && take(input)) {
            return;
        }
    }
}
