// The joysticks SDL finds: each opened once for the whole run and closed by the final cleanup, so a
// second engine init (the fullscreen switch) neither opens them again nor loses them.
#pragma once

#include <SDL.h>
#include <memory>
#include <vector>

class PadDevices {
public:
    // Starts SDL's joystick part and opens every device it finds, one log line each; does nothing
    // once it has run until close. A joystick part that does not start is silent and harmless.
    void open();
    // Safe to call twice.
    void close();
    // The pads this game holds open.
    int openCount() const;

private:
    // SDL_Quit frees what an open joystick's handle points into: after it, there is nothing to close.
    struct JoystickCloser {
        void operator()(SDL_Joystick* joystick) const
        {
            if (SDL_WasInit(SDL_INIT_JOYSTICK) != 0) {
                SDL_JoystickClose(joystick);
            }
        }
    };
    using Joystick = std::unique_ptr<SDL_Joystick, JoystickCloser>;

    bool opened = false;
    std::vector<Joystick> joysticks;
};
