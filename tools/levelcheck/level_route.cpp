#include "level_route.hpp"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>

#include "level_error.hpp"

LevelRoute LevelRoute::load(const std::string& path)
{
    std::ifstream in(path);
    if (!in) {
        throw LevelError(path, std::string("cannot be opened: ") + std::strerror(errno));
    }
    LevelRoute route;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::size_t start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == ';') {
            continue;
        }
        std::istringstream words(line);
        RoutePoint point;
        std::string rest;
        if (!(words >> point.x >> point.y) || (words >> rest)) {
            throw LevelError(path, lineNumber, static_cast<int>(start) + 1, "expected \"x y\" in level pixels");
        }
        route.points.push_back(point);
    }
    if (route.points.size() < 2) {
        throw LevelError(path, "a route needs two points at least");
    }
    route.measure();
    return route;
}

void LevelRoute::measure()
{
    lengths.assign(1, 0.0f);
    for (std::size_t i = 1; i < points.size(); ++i) {
        lengths.push_back(lengths.back() + std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y));
    }
}

LevelRoute::Place LevelRoute::locate(float x, float y, float from, float to) const
{
    Place best{from, 1e30f};
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (lengths[i] < from || lengths[i - 1] > to) {
            continue;
        }
        const RoutePoint& a = points[i - 1];
        const RoutePoint& b = points[i];
        const float span = lengths[i] - lengths[i - 1];
        float t = 0.0f;
        if (span > 0.0f) {
            t = ((x - a.x) * (b.x - a.x) + (y - a.y) * (b.y - a.y)) / (span * span);
        }
        const float along = std::clamp(lengths[i - 1] + std::clamp(t, 0.0f, 1.0f) * span, from, to);
        const RoutePoint p = pointAt(along);
        const float distance = std::hypot(x - p.x, y - p.y);
        if (distance < best.distance) {
            best = {along, distance};
        }
    }
    return best;
}

RoutePoint LevelRoute::pointAt(float along) const
{
    if (along <= 0.0f) {
        return points.front();
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (along <= lengths[i]) {
            const float span = lengths[i] - lengths[i - 1];
            const float t = span > 0.0f ? (along - lengths[i - 1]) / span : 0.0f;
            return {points[i - 1].x + (points[i].x - points[i - 1].x) * t,
                    points[i - 1].y + (points[i].y - points[i - 1].y) * t};
        }
    }
    return points.back();
}
