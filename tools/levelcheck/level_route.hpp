// The line a level is meant to be flown along, as hat centre points in level pixels: what the
// autopilot follows and measures its progress by.
#pragma once

#include <string>
#include <vector>

struct RoutePoint {
    float x = 0.0f;
    float y = 0.0f;
};

class LevelRoute {
public:
    // "x y" per line, ';' comments; throws a LevelError at a bad line.
    static LevelRoute load(const std::string& path);

    struct Place {
        float along = 0.0f;     // arc length from the first point
        float distance = 0.0f;  // from the route
    };
    // The nearest place on the route whose arc length lies within [from, to].
    Place locate(float x, float y, float from, float to) const;
    RoutePoint pointAt(float along) const;
    float length() const { return lengths.empty() ? 0.0f : lengths.back(); }

    std::vector<RoutePoint> points;

private:
    void measure();
    std::vector<float> lengths;  // arc length at each point
};
