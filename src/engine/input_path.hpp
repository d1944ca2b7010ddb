// The one way input reaches a state: SDL's queue is read one event at a time, in queue order, and
// each event is turned into what it means to the state reading it by one table of keys, a column
// per state. A pad's events become the key events the keyboard would give, through a table of
// their own, so every rule about keys holds for a pad too. Reading stops at once when an input has
// left the state, so the rest of the queue waits for the next state. Playback can hand a state the
// same inputs.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <functional>

class GameEngine;
class PadInput;

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
    // Watch the highlighted level's best run.
    Watch,
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
    // Where a key event came from.
    enum class Source : std::uint8_t { Keyboard, Pad };

    // Reads the pending events into the engine's event record and hands each input they mean to
    // `take`, until the queue is empty or an input has left the state.
    static void read(GameEngine* engine, InputColumn column, const Taker& take);
    // Hands `take` the inputs one event means (none for focus gained, the mouse, ...); true when
    // one of them left the state.
    static bool handOn(const SDL_Event& event, InputColumn column, PadInput& pad, const Taker& take);
    // The key table: None for keys a state does not know.
    static InputAction actionOf(SDLKey key, InputColumn column);
    // Whether a key-up from one source is to be dropped because the other still holds its action.
    static bool heldByOther(const Input& keyUp, Source from, const PadInput& pad, InputColumn column);

private:
    static bool translate(const SDL_Event& event, InputColumn column, Input& input);
};
