// What the pads hold: their events turned into presses and releases of a few controls (the D-pad's
// and the first stick's four directions, two buttons), each device kept apart, the stick with a
// dead band so that one resting near the threshold does not chatter.
#pragma once

#include <SDL.h>
#include <array>
#include <cstddef>
#include <cstdint>

// Any button past the first two is OtherButton: it only ever goes down, like a key no state knows.
enum class PadControl : std::uint8_t { Left, Right, Up, Down, Button0, Button1, OtherButton, Count };

constexpr std::size_t padControlCount = static_cast<std::size_t>(PadControl::Count);

struct PadChange {
    PadControl control = PadControl::Left;
    bool pressed = false;
};

class PadInput {
public:
    // Beyond a third of its range a stick axis presses its direction; below a sixth it lets go.
    static constexpr int pressBeyond = 10922;
    static constexpr int releaseBelow = 5461;
    // A D-pad going from one corner to the opposite one lets go of two directions and presses two.
    static constexpr std::size_t mostChanges = 4;

    struct Changes {
        std::array<PadChange, mostChanges> items{};
        std::size_t count = 0;
        const PadChange* begin() const { return items.data(); }
        const PadChange* end() const { return items.data() + count; }
    };

    // The changes a joystick event makes, releases before presses; none for any other event. A
    // control goes down when the first device or part presses it and up when the last lets go.
    Changes take(const SDL_Event& event);
    bool holds(PadControl control) const;

private:
    // What of a device can hold a control: its D-pad, each axis of its first stick, its buttons.
    enum class Part : std::uint8_t { Hat, StickX, StickY, Buttons, Count };
    // A bit per control.
    using ControlSet = std::uint8_t;
    using Device = std::array<ControlSet, static_cast<std::size_t>(Part::Count)>;

    void replace(Device& device, Part part, ControlSet held, Changes& changes);

    // SDL names a device by a byte, so every name has its place.
    std::array<Device, 256> devices{};
    // How many device parts hold each control.
    std::array<std::uint16_t, padControlCount> holders{};
};
