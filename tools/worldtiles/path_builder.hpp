// Builds SVG path data, including polygons with rounded corners and soft blobs.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

struct Point {
    double x;
    double y;
};

class PathBuilder {
public:
    PathBuilder& moveTo(double x, double y);
    PathBuilder& lineTo(double x, double y);
    PathBuilder& quadTo(double cx, double cy, double x, double y);
    PathBuilder& curveTo(double c1x, double c1y, double c2x, double c2y, double x, double y);
    PathBuilder& close();

    // A closed polygon whose corners are rounded; convex and concave corners get their own radius.
    PathBuilder& roundedPolygon(const std::vector<Point>& corners, double convexRadius, double concaveRadius);
    // A smooth closed curve through the points (a closed Catmull-Rom spline).
    PathBuilder& smoothLoop(const std::vector<Point>& points);
    // A smooth open curve through the points.
    PathBuilder& smoothLine(const std::vector<Point>& points);

    const std::string& str() const { return data; }

private:
    PathBuilder& command(char letter, std::initializer_list<double> values);
    void splineSegment(Point p0, Point p1, Point p2, Point p3);
    std::string data;
};
