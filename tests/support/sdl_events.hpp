// Synthetic SDL events put on the queue as a player's keys, the window manager or the mouse would.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

namespace testing_support {

inline void pushEvent(SDL_Event event)
{
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

inline void pushKey(SDLKey sym, bool down = true)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    pushEvent(event);
}

inline void pushFocus(Uint8 which, Uint8 gain)
{
    SDL_Event event{};
    event.type = SDL_ACTIVEEVENT;
    event.active.state = which;
    event.active.gain = gain;
    pushEvent(event);
}

// An event that carries nothing but its type: the window's close, a mouse move.
inline void pushBare(Uint8 type)
{
    SDL_Event event{};
    event.type = type;
    pushEvent(event);
}

}  // namespace testing_support
