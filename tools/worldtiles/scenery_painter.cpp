// Scenery is drawn in the units it is shown at (200, 256 or 400 level pixels) and stretched to its
// power-of-two picture by the document.
#include "scenery_painter.hpp"

#include "palette.hpp"
#include "shape_kit.hpp"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double pi = 3.14159265358979;
constexpr double farOpacity = 0.5;
constexpr double nearOutline = 3.0;

const Tones leafTones{palette::leaf, palette::leafShadow, palette::leafHighlight};
const Tones farCloud{palette::white, palette::lilacHighlight, palette::white};

SvgElement faded(const SvgElement& element, double opacity)
{
    SvgElement group = svgGroup();
    group.opacity(opacity).child(element);
    return group;
}

// A sagging line between two points, as a quadratic curve.
SvgElement sag(double x0, double y0, double x1, double y1, double drop, const char* colour, double width)
{
    SvgElement line = svgPath(PathBuilder().moveTo(x0, y0).quadTo((x0 + x1) / 2, (y0 + y1) / 2 + drop, x1, y1).str());
    line.attr("fill", "none").stroke(colour, width);
    return line;
}

// The point at t on that sagging line.
Point sagPoint(double x0, double y0, double x1, double y1, double drop, double t)
{
    const double cx = (x0 + x1) / 2;
    const double cy = (y0 + y1) / 2 + drop;
    const double u = 1 - t;
    return {u * u * x0 + 2 * u * t * cx + t * t * x1, u * u * y0 + 2 * u * t * cy + t * t * y1};
}

void farHills(SvgDocument& document, RandomStream& random)
{
    const Tones tones{"#bfe8d0", "#9fd4c0", "#e8fff0"};
    document.add(faded(ShapeKit::hills(random, 0, 400, 250, 60, 400, 3, tones, 0), farOpacity));
}

void farTowers(SvgDocument& document, RandomStream& random)
{
    SvgElement skyline = svgGroup();
    const char* wall = "#d8cce8";
    const char* roof = "#b8a8d8";
    double x = 20;
    while (x < 360) {
        const double w = random.uniform(40, 64);
        const double top = random.uniform(160, 280);
        skyline.child(svgRect(x, top, w, 400 - top).fill(wall));
        if (random.chance(0.3)) {
            // A flat top with battlements.
            for (double bx = x; bx < x + w - 6; bx += 16) {
                skyline.child(svgRect(bx, top - 12, 9, 13).fill(wall));
            }
        } else {
            skyline.child(ShapeKit::polygon(
                {{x - 4, top + 1}, {x + w / 2, top - random.uniform(45, 75)}, {x + w + 4, top + 1}}, roof));
        }
        for (double wy = top + 24; wy < 380; wy += 46) {
            skyline.child(svgRect(x + w / 2 - 5, wy, 10, 16, 5).fill(palette::goldHighlight));
        }
        x += w + random.uniform(8, 30);
    }
    document.add(faded(skyline, farOpacity * 0.9));
}

void farSpires(SvgDocument& document, RandomStream& random)
{
    SvgElement spires = svgGroup();
    const Tones pale{"#e4dcff", "#c4b4f4", palette::white};
    const Tones paleTeal{"#c8f4ee", "#96dcd4", palette::white};
    for (int i = 0; i < 6; ++i) {
        const double cx = 40 + i * 62 + random.uniform(-10, 10);
        spires.child(ShapeKit::crystal(cx, 400, random.uniform(14, 22), random.uniform(140, 300), random.uniform(-8, 8),
                                       i % 2 == 0 ? pale : paleTeal, 0));
    }
    for (int i = 0; i < 8; ++i) {
        spires.child(
            ShapeKit::sparkle(random.uniform(30, 370), random.uniform(60, 300), random.uniform(6, 12), palette::white));
    }
    document.add(faded(spires, farOpacity));
}

}  // namespace

void SceneryPainter::paintParallax(int number, SvgDocument& document, RandomStream& random)
{
    const double w = document.width();
    switch (number) {
    case 1:
        document.add(faded(ShapeKit::cloud(random, w / 2, w * 0.72, w * 0.8, w * 0.42, farCloud, 0), farOpacity));
        break;
    case 2:
        document.add(faded(ShapeKit::cloud(random, 130, 150, 200, 90, farCloud, 0), farOpacity));
        document.add(faded(ShapeKit::cloud(random, 270, 300, 220, 100, farCloud, 0), farOpacity));
        document.add(faded(ShapeKit::cloud(random, 90, 330, 110, 50, farCloud, 0), farOpacity));
        break;
    case 3: farHills(document, random); break;
    case 4: farTowers(document, random); break;
    case 5: farSpires(document, random); break;
    default: throw std::runtime_error("no parallax picture " + std::to_string(number));
    }
}

void SceneryPainter::paintForeground(int number, SvgDocument& document, RandomStream& random)
{
    switch (number) {
    case 1: hangingVines(document, random, 3, 0.55); break;
    case 2: grassTuft(document, random); break;
    case 3: hangingVines(document, random, 5, 0.6); break;
    case 4: fallingLeaves(document, random); break;
    case 5: towelRail(document); break;
    case 6: steamWisps(document, random, 0.35, true); break;
    case 7: glowThreads(document, random); break;
    case 8: glowMushrooms(document, random); break;
    case 9: hangingChains(document); break;
    case 10: steamWisps(document, random, 0.45, false); break;
    case 11: washingLine(document); break;
    case 12: lanternString(document); break;
    default: throw std::runtime_error("no foreground picture " + std::to_string(number));
    }
}

void SceneryPainter::hangingVines(SvgDocument& document, RandomStream& random, int count, double reach)
{
    const double size = document.width();
    for (int v = 0; v < count; ++v) {
        const double x = size * (v + 0.5) / count + random.uniform(-size * 0.05, size * 0.05);
        const double length = size * reach * random.uniform(0.55, 1.0);
        std::vector<Point> stem;
        constexpr int joints = 6;
        for (int j = 0; j <= joints; ++j) {
            const double t = static_cast<double>(j) / joints;
            stem.push_back({x + std::sin(t * pi * 1.5 + v) * size * 0.03, -4 + t * length});
        }
        SvgElement vine = svgGroup();
        vine.child(ShapeKit::curve(stem, palette::outline, size * 0.012 + 2 * nearOutline));
        vine.child(ShapeKit::curve(stem, palette::leafShadow, size * 0.012));
        for (int j = 1; j <= joints; ++j) {
            const Point at = stem[static_cast<size_t>(j)];
            const double side = j % 2 == 0 ? 1.0 : -1.0;
            vine.child(ShapeKit::leaf(at.x + side * size * 0.03, at.y, size * random.uniform(0.06, 0.085),
                                      side > 0 ? 20.0 : 160.0, leafTones, nearOutline));
        }
        document.add(vine);
    }
}

void SceneryPainter::grassTuft(SvgDocument& document, RandomStream& random)
{
    const double size = document.width();
    SvgElement tuft = svgGroup();
    for (int i = 0; i < 11; ++i) {
        const double baseX = size * (0.1 + 0.08 * i);
        const double tipX = baseX + random.uniform(-size * 0.08, size * 0.08);
        const double tipY = size * random.uniform(0.62, 0.78);
        tuft.child(ShapeKit::polygon({{baseX - 7, size + 2}, {tipX, tipY}, {baseX + 7, size + 2}}, palette::leaf)
                       .stroke(palette::outline, nearOutline));
    }
    for (int i = 0; i < 3; ++i) {
        const double fx = size * (0.25 + 0.25 * i);
        const double fy = size * random.uniform(0.66, 0.74);
        tuft.child(ShapeKit::curve({{fx, size}, {fx + 4, fy + 20}, {fx, fy}}, palette::leafShadow, 4));
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * pi / 5;
            tuft.child(svgCircle(fx + std::cos(a) * 8, fy + std::sin(a) * 8, 6.5)
                           .fill(i == 1 ? palette::cream : palette::tomato)
                           .stroke(palette::outline, 2));
        }
        tuft.child(svgCircle(fx, fy, 5).fill(palette::gold).stroke(palette::outline, 2));
    }
    document.add(tuft);
}

void SceneryPainter::fallingLeaves(SvgDocument& document, RandomStream& random)
{
    const Tones autumn{palette::orange, palette::orangeShadow, palette::gold};
    for (int i = 0; i < 9; ++i) {
        const double x = random.uniform(30, 370);
        const double y = random.uniform(30, 370);
        document.add(ShapeKit::leaf(x, y, random.uniform(26, 36), random.uniform(0, 360),
                                    i % 3 == 0 ? autumn : leafTones, nearOutline));
    }
}

void SceneryPainter::towelRail(SvgDocument& document)
{
    // The rail runs along the top edge; one small towel hangs at the left.
    SvgElement rail = svgGroup();
    rail.child(svgRect(-10, 20, 420, 14, 7).fill(palette::gold).stroke(palette::outline, nearOutline));
    rail.child(svgRect(-10, 23, 420, 4, 2).fill(palette::goldHighlight));
    rail.child(svgRect(50, 14, 110, 150, 12).fill(palette::sky).stroke(palette::outline, nearOutline));
    rail.child(svgRect(52, 110, 106, 12).fill(palette::white));
    rail.child(svgRect(52, 130, 106, 8).fill(palette::white));
    rail.child(svgRect(52, 16, 16, 146, 8).fill(palette::skyShadow));
    rail.child(svgRect(50, 14, 110, 26, 10).fill(palette::skyHighlight).stroke(palette::outline, nearOutline));
    // Fringe along the towel's hem.
    for (double fx = 60; fx < 156; fx += 12) {
        rail.child(svgRect(fx, 162, 4, 12, 2).fill(palette::skyShadow));
    }
    document.add(rail);
}

void SceneryPainter::steamWisps(SvgDocument& document, RandomStream& random, double opacity, bool fromBelow)
{
    const Tones steam{palette::white, palette::lilacHighlight, palette::white};
    // Steam has no edges: a blur turns the strokes and puffs into vapour.
    SvgElement blur("filter");
    blur.attr("id", "vapour").attr("x", "-50%").attr("y", "-50%").attr("width", "200%").attr("height", "200%");
    blur.child(SvgElement("feGaussianBlur").attr("stdDeviation", 7.0));
    document.define(blur);
    for (int i = 0; i < 4; ++i) {
        const double x = 60 + i * 95 + random.uniform(-15, 15);
        std::vector<Point> wisp;
        for (int k = 0; k <= 5; ++k) {
            const double t = k / 5.0;
            const double y = fromBelow ? 400 - t * 220 : 400 - t * 140;
            wisp.push_back({x + std::sin(t * pi * 2 + i) * 26, y});
        }
        SvgElement vapour = svgGroup();
        vapour.attr("filter", "url(#vapour)").child(ShapeKit::curve(wisp, palette::white, 26));
        if (!fromBelow) {
            vapour.child(ShapeKit::cloud(random, x, 400, 90, 70, steam, 0));
        }
        document.add(faded(vapour, opacity));
    }
}

void SceneryPainter::glowThreads(SvgDocument& document, RandomStream& random)
{
    for (int i = 0; i < 6; ++i) {
        const double x = 30 + i * 66 + random.uniform(-12, 12);
        const double length = random.uniform(90, 200);
        SvgElement thread = svgGroup();
        SvgElement line = svgPath(PathBuilder().moveTo(x, -2).lineTo(x, length).str());
        line.stroke(palette::lilacHighlight, 1.5, 0.8);
        thread.child(line);
        for (double y = 24; y < length; y += random.uniform(22, 34)) {
            thread.child(svgCircle(x, y, 9).fill(palette::tealHighlight, 0.3));
            thread.child(svgCircle(x, y, 4).fill(i % 2 == 0 ? palette::tealHighlight : palette::cream));
        }
        thread.child(svgCircle(x, length, 13).fill(palette::tealHighlight, 0.35));
        thread.child(svgCircle(x, length, 6).fill(palette::white).stroke(palette::teal, 2));
        document.add(thread);
    }
}

void SceneryPainter::glowMushrooms(SvgDocument& document, RandomStream& random)
{
    struct Mushroom {
        double x, height, capRadius;
    };
    for (const Mushroom m : {Mushroom{40, 70, 34}, Mushroom{95, 44, 22}, Mushroom{140, 56, 26}}) {
        SvgElement group = svgGroup();
        const double capY = 400 - m.height;
        group.child(svgCircle(m.x, capY, m.capRadius * 1.6).fill(palette::tealHighlight, 0.25));
        group.child(svgRect(m.x - m.capRadius * 0.25, capY, m.capRadius * 0.5, m.height + 4, 6)
                        .fill(palette::cream)
                        .stroke(palette::outline, nearOutline));
        group.child(svgPath(PathBuilder()
                                .moveTo(m.x - m.capRadius, capY + 4)
                                .quadTo(m.x, capY - m.capRadius * 1.5, m.x + m.capRadius, capY + 4)
                                .close()
                                .str())
                        .fill(palette::teal)
                        .stroke(palette::outline, nearOutline));
        for (int s = 0; s < 3; ++s) {
            group.child(svgCircle(m.x + random.uniform(-0.5, 0.5) * m.capRadius,
                                  capY - m.capRadius * random.uniform(0.1, 0.4), m.capRadius * 0.12)
                            .fill(palette::white));
        }
        document.add(group);
    }
}

void SceneryPainter::hangingChains(SvgDocument& document)
{
    struct Chain {
        double x, length;
        bool hook;
    };
    for (const Chain chain : {Chain{60, 170, true}, Chain{110, 110, false}, Chain{330, 140, true}}) {
        SvgElement group = svgGroup();
        for (double y = -6; y < chain.length; y += 18) {
            const bool across = static_cast<int>((y + 6) / 18) % 2 == 1;
            SvgElement link = across ? svgRect(chain.x - 3, y, 6, 22, 3) : svgEllipse(chain.x, y + 11, 7, 12);
            link.attr("fill", "none").stroke(palette::outline, 7);
            group.child(link);
            SvgElement face = across ? svgRect(chain.x - 3, y, 6, 22, 3) : svgEllipse(chain.x, y + 11, 7, 12);
            face.attr("fill", "none").stroke(palette::stone, 3.5);
            group.child(face);
        }
        if (chain.hook) {
            SvgElement hook = svgPath(PathBuilder()
                                          .moveTo(chain.x, chain.length)
                                          .lineTo(chain.x, chain.length + 20)
                                          .quadTo(chain.x, chain.length + 44, chain.x - 18, chain.length + 38)
                                          .str());
            hook.attr("fill", "none").stroke(palette::outline, 10);
            group.child(hook);
            SvgElement face = hook;
            face.stroke(palette::rust, 5);
            group.child(face);
        }
        document.add(group);
    }
}

void SceneryPainter::washingLine(SvgDocument& document)
{
    constexpr double drop = 60;
    SvgElement line = svgGroup();
    line.child(sag(-10, 20, 410, 20, drop, palette::outline, 5));
    line.child(sag(-10, 20, 410, 20, drop, palette::cream, 2));
    document.add(line);
    struct Garment {
        double t;
        const char* colour;
        bool sock;
    };
    for (const Garment g : {Garment{0.18, palette::tomato, true}, Garment{0.42, palette::sky, false},
                            Garment{0.68, palette::gold, true}, Garment{0.86, palette::lilac, true}}) {
        const Point at = sagPoint(-10, 20, 410, 20, drop, g.t);
        SvgElement piece = svgGroup();
        if (g.sock) {
            piece.child(svgPath(PathBuilder()
                                    .moveTo(at.x - 10, at.y)
                                    .lineTo(at.x + 10, at.y)
                                    .lineTo(at.x + 10, at.y + 48)
                                    .quadTo(at.x + 10, at.y + 66, at.x - 12, at.y + 64)
                                    .quadTo(at.x - 28, at.y + 62, at.x - 24, at.y + 52)
                                    .lineTo(at.x - 10, at.y + 44)
                                    .close()
                                    .str())
                            .fill(g.colour)
                            .stroke(palette::outline, nearOutline));
            piece.child(svgRect(at.x - 10, at.y + 8, 20, 6).fill(palette::white));
        } else {
            // Polka-dot bloomers: silly, not rude.
            piece.child(svgPath(PathBuilder()
                                    .moveTo(at.x - 30, at.y)
                                    .lineTo(at.x + 30, at.y)
                                    .lineTo(at.x + 36, at.y + 50)
                                    .quadTo(at.x + 18, at.y + 56, at.x + 4, at.y + 44)
                                    .quadTo(at.x, at.y + 40, at.x - 4, at.y + 44)
                                    .quadTo(at.x - 18, at.y + 56, at.x - 36, at.y + 50)
                                    .close()
                                    .str())
                            .fill(g.colour)
                            .stroke(palette::outline, nearOutline));
            for (const Point dot : {Point{-18, 18}, Point{6, 14}, Point{20, 32}, Point{-14, 36}}) {
                piece.child(svgCircle(at.x + dot.x, at.y + dot.y, 4).fill(palette::white));
            }
        }
        piece.child(svgRect(at.x - 3, at.y - 8, 6, 16, 2).fill(palette::earthHighlight).stroke(palette::outline, 2));
        document.add(piece);
    }
}

void SceneryPainter::lanternString(SvgDocument& document)
{
    constexpr double drop = 90;
    SvgElement line = sag(-10, 10, 410, 10, drop, palette::outline, 3);
    document.add(line);
    for (int i = 1; i <= 5; ++i) {
        const Point at = sagPoint(-10, 10, 410, 10, drop, i / 6.0);
        SvgElement lantern = svgGroup();
        lantern.child(svgCircle(at.x, at.y + 26, 30).fill(palette::goldHighlight, 0.3));
        lantern.child(svgRect(at.x - 8, at.y, 16, 8, 2).fill(palette::outline));
        lantern.child(svgEllipse(at.x, at.y + 26, 16, 20)
                          .fill(i % 2 == 0 ? palette::tomato : palette::orange)
                          .stroke(palette::outline, nearOutline));
        lantern.child(svgEllipse(at.x - 4, at.y + 22, 5, 9).fill(palette::goldHighlight));
        lantern.child(svgRect(at.x - 6, at.y + 44, 12, 6, 2).fill(palette::outline));
        document.add(lantern);
    }
}
