// A pilot for the autopilot: follows a level's route by choosing each frame's keys from the hat's
// state, as a player would, in either control scheme.
#pragma once

#include <cstdint>

#include "level_route.hpp"

class Hat;

struct FlightStyle {
    float cruisePixelsPerSecond = 170.0f;
    float lookaheadPixels = 120.0f;
    // Shifts the line followed up (negative) or down, in pixels.
    float offsetY = 0.0f;
};

class FlightController {
public:
    explicit FlightController(const LevelRoute& path) : route(&path) {}

    std::uint8_t keys(const Hat& hat, const FlightStyle& style);
    // Where along the route the hat is, and how far from it.
    void track(const Hat& hat);

    float progress = 0.0f;
    float offRoute = 0.0f;

private:
    std::uint8_t steer(const Hat& hat, float wantedAngle) const;

    const LevelRoute* route;
    float thrustDebt = 0.0f;
};
