// Makes input tracks: flies a level with the route pilot, and before every few frames tries a
// handful of other choices ahead in forked copies of the whole run, keeping the one that fares best.
#pragma once

#include <string>

#include "input_track.hpp"
#include "level_route.hpp"

struct AutopilotResult {
    InputTrack track;
    bool finished = false;
    int frames = 0;
    // Where the hat ended, and how far along the route it came.
    float x = 0.0f;
    float y = 0.0f;
    float progress = 0.0f;
    float routeLength = 0.0f;
};

class Autopilot {
public:
    static constexpr int decisionFrames = 8;
    static constexpr int lookaheadFrames = 48;
    static constexpr int frameLimit = 7500;

    static AutopilotResult fly(const std::string& mapPath, const LevelRoute& route, bool hardMode);
};
