// Synthetic SDL events put on the queue as a player's keys or pad, the window manager or the mouse would.
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

// Joystick events as a pad would send them, for tables of steps.
inline SDL_Event padAxis(Uint8 axis, Sint16 value, Uint8 which = 0)
{
    SDL_Event event{};
    event.jaxis = {SDL_JOYAXISMOTION, which, axis, value};
    return event;
}

inline SDL_Event padHat(Uint8 value, Uint8 hat = 0)
{
    SDL_Event event{};
    event.jhat = {SDL_JOYHATMOTION, 0, hat, value};
    return event;
}

inline SDL_Event padButton(Uint8 button, bool pressed)
{
    SDL_Event event{};
    const Uint8 type = pressed ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton = {type, 0, button, static_cast<Uint8>(pressed ? SDL_PRESSED : SDL_RELEASED)};
    return event;
}

}  // namespace testing_support
