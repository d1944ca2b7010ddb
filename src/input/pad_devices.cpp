#include "input/pad_devices.hpp"

#include <cstdio>
#include <utility>

void PadDevices::open()
{
    if (opened) {
        return;
    }
    opened = true;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        return;
    }
    const int found = SDL_NumJoysticks();
    for (int index = 0; index < found; ++index) {
        const char* name = SDL_JoystickName(index);
        if (name == nullptr) {
            name = "unknown";
        }
        Joystick joystick(SDL_JoystickOpen(index));
        if (joystick == nullptr) {
            std::printf("Failed to open joystick %s\n", name);
            continue;
        }
        std::printf("Opened joystick %s\n", name);
        joysticks.push_back(std::move(joystick));
    }
    // Setting an event state empties SDL 1.2's whole queue, and with it a quit or a key that came
    // while the window opened; pad events are on from the start, so it is set only if they are not.
    if (SDL_JoystickEventState(SDL_QUERY) != SDL_ENABLE) {
        SDL_JoystickEventState(SDL_ENABLE);
    }
}

void PadDevices::close()
{
    joysticks.clear();
    if (opened) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        opened = false;
    }
}

int PadDevices::openCount() const
{
    return static_cast<int>(joysticks.size());
}
