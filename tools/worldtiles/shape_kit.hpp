// Shapes that the backgrounds and the scenery share: clouds, hills, leaves, sparkles, shards.
#pragma once

#include "path_builder.hpp"
#include "random_stream.hpp"
#include "svg_element.hpp"

#include <vector>

struct Tones {
    const char* face;
    const char* shadow;
    const char* highlight;
};

class ShapeKit {
public:
    // A puffy cloud sitting on baseY, centred on cx; outlineWidth 0 draws it without an outline.
    static SvgElement cloud(RandomStream& random, double cx, double baseY, double width, double height,
                            const Tones& tones, double outlineWidth);
    // Rolling hills: a crest through random heights between top and top + crestDepth, filled down to
    // bottom, over [x0, x0 + width]; the ends meet at the same height so a full-width band wraps.
    static SvgElement hills(RandomStream& random, double x0, double width, double top, double crestDepth, double bottom,
                            int bumps, const Tones& tones, double outlineWidth);
    static SvgElement leaf(double cx, double cy, double length, double angleDegrees, const Tones& tones,
                           double outlineWidth);
    // A four-pointed twinkle.
    static SvgElement sparkle(double cx, double cy, double radius, const char* colour);
    // A crystal standing on (cx, baseY), tilted, its upper left face lit.
    static SvgElement crystal(double cx, double baseY, double halfWidth, double height, double angleDegrees,
                              const Tones& tones, double outlineWidth);
    // A closed polygon through the points.
    static SvgElement polygon(const std::vector<Point>& points, const char* colour);
    // A line through the points, as a smooth curve.
    static SvgElement curve(const std::vector<Point>& points, const char* colour, double width);
};
