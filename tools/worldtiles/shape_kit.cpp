// Outlined shapes are drawn twice: a wide dark stroke under a plain fill, so unions of circles
// get one clean outer outline.
#include "shape_kit.hpp"

#include "palette.hpp"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979;

struct Puff {
    double cx, cy, r;
};

SvgElement puffLayer(const std::vector<Puff>& puffs, const char* colour, double grow, double dropY, double strokeWidth)
{
    SvgElement layer = svgGroup();
    for (const Puff& puff : puffs) {
        SvgElement circle = svgCircle(puff.cx, puff.cy + dropY, puff.r + grow);
        circle.fill(colour);
        if (strokeWidth > 0.0) {
            circle.stroke(colour, strokeWidth);
        }
        layer.child(circle);
    }
    return layer;
}

}  // namespace

SvgElement ShapeKit::cloud(RandomStream& random, double cx, double baseY, double width, double height,
                           const Tones& tones, double outlineWidth)
{
    std::vector<Puff> puffs;
    const int count = 4 + static_cast<int>(width / 60.0);
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5) / count;
        // Bigger puffs in the middle give the cartoon dome.
        const double bulge = std::sin(t * pi);
        const double r = height * (0.28 + 0.32 * bulge) * random.uniform(0.85, 1.1);
        const double x = cx - width / 2.0 + t * width;
        puffs.push_back({x, baseY - r * 0.9 - bulge * height * 0.15, r});
    }
    SvgElement group = svgGroup();
    SvgElement flatBottom = svgRect(cx - width / 2.0, baseY - height * 0.35, width, height * 0.35, height * 0.17);
    if (outlineWidth > 0.0) {
        group.child(puffLayer(puffs, palette::outline, 0.0, 0.0, 2.0 * outlineWidth));
        SvgElement base = flatBottom;
        base.fill(palette::outline).stroke(palette::outline, 2.0 * outlineWidth);
        group.child(base);
    }
    group.child(puffLayer(puffs, tones.shadow, 0.0, 0.0, 0.0));
    SvgElement shadowBase = flatBottom;
    shadowBase.fill(tones.shadow);
    group.child(shadowBase);
    // The lit part: the same puffs, a little smaller and raised.
    std::vector<Puff> lit;
    for (const Puff& puff : puffs) {
        lit.push_back({puff.cx - puff.r * 0.08, puff.cy - puff.r * 0.12, puff.r * 0.86});
    }
    group.child(puffLayer(lit, tones.face, 0.0, 0.0, 0.0));
    const Puff& top = puffs[puffs.size() / 2];
    SvgElement shine = svgEllipse(top.cx - top.r * 0.3, top.cy - top.r * 0.45, top.r * 0.35, top.r * 0.16);
    shine.fill(tones.highlight);
    group.child(shine);
    return group;
}

SvgElement ShapeKit::hills(RandomStream& random, double x0, double width, double top, double crestDepth, double bottom,
                           int bumps, const Tones& tones, double outlineWidth)
{
    std::vector<double> heights;
    for (int i = 0; i < bumps; ++i) {
        heights.push_back(top + random.uniform(0.0, crestDepth));
    }
    const double step = width / bumps;
    auto crest = [&](double shiftY) {
        PathBuilder path;
        path.moveTo(x0, bottom).lineTo(x0, (heights.back() + heights[0]) * 0.5 + step * 0.5 + shiftY);
        for (int i = 0; i < bumps; ++i) {
            const double left = x0 + i * step;
            const double valley =
                (heights[static_cast<size_t>(i)] + heights[static_cast<size_t>((i + 1) % bumps)]) * 0.5 + step * 0.5;
            path.curveTo(left + step * 0.05, heights[static_cast<size_t>(i)] + shiftY, left + step * 0.95,
                         heights[static_cast<size_t>(i)] + shiftY, left + step, valley + shiftY);
        }
        path.lineTo(x0 + width, bottom).close();
        return path.str();
    };
    SvgElement group = svgGroup();
    SvgElement back = svgPath(crest(0.0));
    back.fill(tones.shadow);
    if (outlineWidth > 0.0) {
        back.stroke(palette::outline, outlineWidth);
    }
    group.child(back);
    SvgElement front = svgPath(crest(step * 0.12));
    front.fill(tones.face);
    group.child(front);
    // A sunny streak on each crest.
    for (int i = 0; i < bumps; ++i) {
        const double cx = x0 + (i + 0.35) * step;
        SvgElement streak = svgEllipse(cx, heights[static_cast<size_t>(i)] + step * 0.22, step * 0.14, step * 0.035);
        streak.fill(tones.highlight);
        group.child(streak);
    }
    return group;
}

SvgElement ShapeKit::leaf(double cx, double cy, double length, double angleDegrees, const Tones& tones,
                          double outlineWidth)
{
    const double half = length / 2.0;
    const double widthHalf = length * 0.28;
    PathBuilder shape;
    shape.moveTo(-half, 0)
        .quadTo(-half * 0.2, -widthHalf * 1.6, half, 0)
        .quadTo(-half * 0.2, widthHalf * 1.6, -half, 0)
        .close();
    SvgElement group = svgGroup();
    group.transform("translate(" + SvgElement::number(cx) + " " + SvgElement::number(cy) + ") rotate(" +
                    SvgElement::number(angleDegrees) + ")");
    SvgElement body = svgPath(shape.str());
    body.fill(tones.face);
    if (outlineWidth > 0.0) {
        body.stroke(palette::outline, outlineWidth);
    }
    group.child(body);
    SvgElement underside = svgPath(PathBuilder()
                                       .moveTo(-half, 0)
                                       .quadTo(-half * 0.2, widthHalf * 1.6, half, 0)
                                       .quadTo(-half * 0.2, widthHalf * 0.5, -half, 0)
                                       .close()
                                       .str());
    underside.fill(tones.shadow);
    group.child(underside);
    SvgElement vein = svgPath(PathBuilder().moveTo(-half * 0.8, 0).lineTo(half * 0.7, 0).str());
    vein.attr("fill", "none").stroke(tones.highlight, std::max(1.0, length * 0.05));
    group.child(vein);
    return group;
}

SvgElement ShapeKit::sparkle(double cx, double cy, double radius, const char* colour)
{
    const double waist = radius * 0.22;
    PathBuilder star;
    star.moveTo(cx, cy - radius)
        .quadTo(cx + waist, cy - waist, cx + radius, cy)
        .quadTo(cx + waist, cy + waist, cx, cy + radius)
        .quadTo(cx - waist, cy + waist, cx - radius, cy)
        .quadTo(cx - waist, cy - waist, cx, cy - radius)
        .close();
    SvgElement element = svgPath(star.str());
    element.fill(colour);
    return element;
}

SvgElement ShapeKit::crystal(double cx, double baseY, double halfWidth, double height, double angleDegrees,
                             const Tones& tones, double outlineWidth)
{
    SvgElement group = svgGroup();
    group.transform("rotate(" + SvgElement::number(angleDegrees) + " " + SvgElement::number(cx) + " " +
                    SvgElement::number(baseY) + ")");
    const double shoulder = baseY - height * 0.75;
    const double tip = baseY - height;
    SvgElement body = polygon({{cx - halfWidth, baseY},
                               {cx - halfWidth, shoulder},
                               {cx, tip},
                               {cx + halfWidth, shoulder},
                               {cx + halfWidth, baseY}},
                              tones.face);
    if (outlineWidth > 0.0) {
        body.stroke(palette::outline, outlineWidth);
    }
    group.child(body);
    group.child(polygon({{cx + halfWidth * 0.15, baseY},
                         {cx + halfWidth * 0.15, shoulder + halfWidth * 0.1},
                         {cx, tip + outlineWidth},
                         {cx + halfWidth, shoulder},
                         {cx + halfWidth, baseY}},
                        tones.shadow));
    group.child(polygon({{cx - halfWidth * 0.6, baseY - height * 0.1},
                         {cx - halfWidth * 0.6, shoulder},
                         {cx - halfWidth * 0.15, shoulder - height * 0.12},
                         {cx - halfWidth * 0.15, baseY - height * 0.1}},
                        tones.highlight));
    return group;
}

SvgElement ShapeKit::polygon(const std::vector<Point>& points, const char* colour)
{
    PathBuilder path;
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            path.moveTo(points[i].x, points[i].y);
        } else {
            path.lineTo(points[i].x, points[i].y);
        }
    }
    path.close();
    SvgElement element = svgPath(path.str());
    element.fill(colour);
    return element;
}

SvgElement ShapeKit::curve(const std::vector<Point>& points, const char* colour, double width)
{
    SvgElement element = svgPath(PathBuilder().smoothLine(points).str());
    element.attr("fill", "none").stroke(colour, width);
    return element;
}
