// A pilot for the autopilot: follows a level's route by choosing each frame's keys from the hat's
// state, as a player would, in either control scheme.
#pragma once

#include <cstdint>

#include "hat_state.hpp"
#include "level_route.hpp"

struct FlightStyle {
    float cruisePixelsPerSecond = 170.0f;
    float lookaheadPixels = 120.0f;
    // Shifts the line followed up (negative) or down, in pixels.
    float offsetY = 0.0f;
    // How hard a wrong velocity is corrected.
    float velocityGainPerSecond = 3.0f;
    // Added to the velocity wanted along the route, to keep clear of something, in px/s.
    float nudgeX = 0.0f;
    float nudgeY = 0.0f;
};

class FlightController {
public:
    explicit FlightController(const LevelRoute& path) : route(&path) {}

    // The push the hat needs to follow the route, the tail direction that gives it, and the
    // velocity it is meant to reach.
    struct Aim {
        float angle = 0.0f;
        float pushPerSecond2 = 0.0f;
        float wantX = 0.0f;
        float wantY = 0.0f;
    };

    std::uint8_t keys(const HatState& hat, const FlightStyle& style);
    // Where along the route the hat is, and how far from it.
    void track(const HatState& hat);
    RoutePoint pointAhead(float lookahead) const { return route->pointAt(progress + lookahead); }
    // Tracks the hat, then aims it at the route ahead.
    Aim aim(const HatState& hat, const FlightStyle& style);

    // The difference between two angles, from -pi to pi.
    static float angleBetween(float to, float from);

    float progress = 0.0f;
    float offRoute = 0.0f;

private:
    std::uint8_t steer(const HatState& hat, float wantedAngle) const;

    const LevelRoute* route;
    float thrustDebt = 0.0f;
};
