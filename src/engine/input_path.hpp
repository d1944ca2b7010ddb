// The one way input reaches a state: SDL's queue is read one event at a time, in queue order, and
// each event is turned into what it means to the state reading it by one table of keys, a column
// per state. Reading stops at once when an input has left the state, so the rest of the queue
// waits for the next state. Playback can hand a state the same inputs, and other devices can be
// translated into them here.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <functional>

class GameEngine;

// What a key means to the state reading it.
enum class InputAction : std::uint8_t {
    None,
    // In play.
    Left,
    Right,
    Thrust,
    Finish,
    // Starts the same level afresh.
    Retry,
    // Shows or hides the best run's ghost.
    Ghost,
    // In the menu.
    Up,
    Down,
    Choose,
    // Both: leave the level, or go back a screen.
    Back,
};

// The states that read input: one column of the key table each.
enum class InputColumn : std::uint8_t { Menu, Play, Count };

// One event as a state sees it. A key down comes whatever the key; its action says what it means.
struct Input {
    enum class Kind : std::uint8_t { KeyDown, KeyUp, FocusLost, Quit };
    Kind kind = Kind::KeyDown;
    SDLKey key = SDLK_UNKNOWN;
    InputAction action = InputAction::None;
};

class InputPath {
public:
    // Takes one input; true when that input left the state (which is then destroyed).
    using Taker = std::function<bool(const Input&)>;

    // Reads the pending events into the engine's event record and hands each that means something
    // to `take`, until the queue is empty or an input has left the state.
    static void read(GameEngine* engine, InputColumn column, const Taker& take);
    // False for an event no state reacts to (focus gained, the mouse, ...).
    static bool translate(const SDL_Event& event, InputColumn column, Input& input);
    // The key table: None for keys a state does not know.
    static InputAction actionOf(SDLKey key, InputColumn column);
};
