#include "input/pad_input.hpp"

#include <cassert>

namespace {

using ControlSet = std::uint8_t;

constexpr ControlSet bit(PadControl control)
{
    return static_cast<ControlSet>(1u << static_cast<unsigned>(control));
}

constexpr Uint8 dpadHat = 0;
constexpr Uint8 stickXAxis = 0;
constexpr Uint8 stickYAxis = 1;

struct HatDirection {
    Uint8 hatBit;
    PadControl control;
};

constexpr std::array<HatDirection, 4> hatDirections = {{
    {SDL_HAT_LEFT, PadControl::Left},
    {SDL_HAT_RIGHT, PadControl::Right},
    {SDL_HAT_UP, PadControl::Up},
    {SDL_HAT_DOWN, PadControl::Down},
}};

ControlSet hatControls(Uint8 value)
{
    ControlSet held = 0;
    for (const HatDirection& direction : hatDirections) {
        if ((value & direction.hatBit) != 0) {
            held |= bit(direction.control);
        }
    }
    return held;
}

// One stick axis: what it holds after a new value. Beyond the press threshold it holds that side;
// a side already held stays held until the value comes back inside the release threshold; in the
// band between, nothing new is pressed.
ControlSet axisControls(ControlSet held, Sint16 value, PadControl negative, PadControl positive)
{
    const int position = value;
    if (position < -PadInput::pressBeyond) {
        return bit(negative);
    }
    if (position > PadInput::pressBeyond) {
        return bit(positive);
    }
    if ((held & bit(negative)) != 0 && position <= -PadInput::releaseBelow) {
        return bit(negative);
    }
    if ((held & bit(positive)) != 0 && position >= PadInput::releaseBelow) {
        return bit(positive);
    }
    return 0;
}

void add(PadInput::Changes& changes, PadControl control, bool pressed)
{
    assert(changes.count < PadInput::mostChanges);
    changes.items[changes.count++] = {control, pressed};
}

}  // namespace

PadInput::Changes PadInput::take(const SDL_Event& event)
{
    Changes changes;
    switch (event.type) {
    case SDL_JOYHATMOTION:
        if (event.jhat.hat == dpadHat) {
            replace(devices[event.jhat.which], Part::Hat, hatControls(event.jhat.value), changes);
        }
        break;
    case SDL_JOYAXISMOTION: {
        Device& device = devices[event.jaxis.which];
        if (event.jaxis.axis == stickXAxis) {
            const ControlSet held = device[static_cast<std::size_t>(Part::StickX)];
            replace(device, Part::StickX, axisControls(held, event.jaxis.value, PadControl::Left, PadControl::Right),
                    changes);
        } else if (event.jaxis.axis == stickYAxis) {
            const ControlSet held = device[static_cast<std::size_t>(Part::StickY)];
            replace(device, Part::StickY, axisControls(held, event.jaxis.value, PadControl::Up, PadControl::Down),
                    changes);
        }
        break;
    }
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        const bool down = event.type == SDL_JOYBUTTONDOWN;
        const Uint8 button = event.jbutton.button;
        if (button > 1) {
            if (down) {
                add(changes, PadControl::OtherButton, true);
            }
            break;
        }
        Device& device = devices[event.jbutton.which];
        const ControlSet control = bit(button == 0 ? PadControl::Button0 : PadControl::Button1);
        const ControlSet before = device[static_cast<std::size_t>(Part::Buttons)];
        replace(device, Part::Buttons, static_cast<ControlSet>(down ? before | control : before & ~control), changes);
        break;
    }
    default: break;
    }
    return changes;
}

bool PadInput::holds(PadControl control) const
{
    return holders[static_cast<std::size_t>(control)] > 0;
}

void PadInput::replace(Device& device, Part part, ControlSet held, Changes& changes)
{
    ControlSet& before = device[static_cast<std::size_t>(part)];
    const ControlSet released = before & ~held;
    const ControlSet pressed = held & ~before;
    before = held;
    for (std::size_t control = 0; control < padControlCount; ++control) {
        if ((released & bit(static_cast<PadControl>(control))) != 0 && --holders[control] == 0) {
            add(changes, static_cast<PadControl>(control), false);
        }
    }
    for (std::size_t control = 0; control < padControlCount; ++control) {
        if ((pressed & bit(static_cast<PadControl>(control))) != 0 && holders[control]++ == 0) {
            add(changes, static_cast<PadControl>(control), true);
        }
    }
}
