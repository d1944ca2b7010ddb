// Path data text; the smooth curves are Catmull-Rom splines turned into cubic Beziers.
#include "path_builder.hpp"

#include "svg_element.hpp"

#include <algorithm>
#include <cmath>

namespace {

// Catmull-Rom tension 1/6 gives Bezier handles one sixth of the neighbour distance.
constexpr double splineHandle = 1.0 / 6.0;

double distance(Point a, Point b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

Point towards(Point from, Point to, double length)
{
    const double d = distance(from, to);
    if (d <= 0.0) {
        return from;
    }
    return {from.x + (to.x - from.x) * length / d, from.y + (to.y - from.y) * length / d};
}

}  // namespace

PathBuilder& PathBuilder::command(char letter, std::initializer_list<double> values)
{
    data += letter;
    bool first = true;
    for (double value : values) {
        if (!first) {
            data += ' ';
        }
        data += SvgElement::number(value);
        first = false;
    }
    return *this;
}

PathBuilder& PathBuilder::moveTo(double x, double y)
{
    return command('M', {x, y});
}

PathBuilder& PathBuilder::lineTo(double x, double y)
{
    return command('L', {x, y});
}

PathBuilder& PathBuilder::quadTo(double cx, double cy, double x, double y)
{
    return command('Q', {cx, cy, x, y});
}

PathBuilder& PathBuilder::curveTo(double c1x, double c1y, double c2x, double c2y, double x, double y)
{
    return command('C', {c1x, c1y, c2x, c2y, x, y});
}

PathBuilder& PathBuilder::close()
{
    data += 'Z';
    return *this;
}

PathBuilder& PathBuilder::roundedPolygon(const std::vector<Point>& corners, double convexRadius, double concaveRadius)
{
    const size_t count = corners.size();
    if (count < 3) {
        return *this;
    }
    // The sign of the polygon's area tells which turn is convex.
    double twiceArea = 0.0;
    for (size_t i = 0; i < count; ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % count];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    for (size_t i = 0; i < count; ++i) {
        const Point previous = corners[(i + count - 1) % count];
        const Point corner = corners[i];
        const Point next = corners[(i + 1) % count];
        const double turn =
            (corner.x - previous.x) * (next.y - corner.y) - (corner.y - previous.y) * (next.x - corner.x);
        const bool convex = (turn > 0.0) == (twiceArea > 0.0);
        const double limit = std::min(distance(previous, corner), distance(corner, next)) * 0.5;
        const double radius = std::min(convex ? convexRadius : concaveRadius, limit);
        const Point in = towards(corner, previous, radius);
        const Point out = towards(corner, next, radius);
        if (i == 0) {
            moveTo(in.x, in.y);
        } else {
            lineTo(in.x, in.y);
        }
        if (radius > 0.0) {
            quadTo(corner.x, corner.y, out.x, out.y);
        }
    }
    return close();
}

// The curve from p1 to p2, its handles set by the points before and after.
void PathBuilder::splineSegment(Point p0, Point p1, Point p2, Point p3)
{
    curveTo(p1.x + (p2.x - p0.x) * splineHandle, p1.y + (p2.y - p0.y) * splineHandle,
            p2.x - (p3.x - p1.x) * splineHandle, p2.y - (p3.y - p1.y) * splineHandle, p2.x, p2.y);
}

PathBuilder& PathBuilder::smoothLoop(const std::vector<Point>& points)
{
    const size_t count = points.size();
    if (count < 3) {
        return *this;
    }
    moveTo(points[0].x, points[0].y);
    for (size_t i = 0; i < count; ++i) {
        splineSegment(points[(i + count - 1) % count], points[i], points[(i + 1) % count], points[(i + 2) % count]);
    }
    return close();
}

PathBuilder& PathBuilder::smoothLine(const std::vector<Point>& points)
{
    const size_t count = points.size();
    if (count < 2) {
        return *this;
    }
    moveTo(points[0].x, points[0].y);
    for (size_t i = 0; i + 1 < count; ++i) {
        splineSegment(points[i == 0 ? 0 : i - 1], points[i], points[i + 1], points[std::min(i + 2, count - 1)]);
    }
    return *this;
}
