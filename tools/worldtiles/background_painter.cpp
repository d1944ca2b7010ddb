// Every shape is wrapped on its own (the document repeats each one around the tile), so shapes crossing
// an edge continue on the other side and keep their layer order there. The sunset is seen through
// the red channel only: it is composed in light and dark.
#include "background_painter.hpp"

#include "palette.hpp"
#include "shape_kit.hpp"

#include <cmath>
#include <stdexcept>

namespace {

constexpr double tile = 512.0;
constexpr double backgroundOutline = 4.0;
constexpr double pi = 3.14159265358979;

SvgElement fillAll(const char* colour)
{
    SvgElement rect = svgRect(0, 0, tile, tile);
    rect.fill(colour);
    return rect;
}

SvgElement lollipopTree(double x, double groundY, double size)
{
    SvgElement tree = svgGroup();
    SvgElement trunk = svgRect(x - size * 0.1, groundY - size * 0.9, size * 0.2, size * 0.9, size * 0.06);
    trunk.fill(palette::earth).stroke(palette::outline, 3);
    tree.child(trunk);
    SvgElement crown = svgCircle(x, groundY - size, size * 0.45);
    crown.fill(palette::leafShadow).stroke(palette::outline, 3);
    tree.child(crown);
    tree.child(svgCircle(x - size * 0.06, groundY - size * 1.06, size * 0.36).fill(palette::leaf));
    tree.child(
        svgEllipse(x - size * 0.18, groundY - size * 1.2, size * 0.12, size * 0.07).fill(palette::leafHighlight));
    return tree;
}

// A round dial: gold rim, cream face, tick marks and a tomato needle.
SvgElement gauge(double cx, double cy, double r, double needleDegrees)
{
    SvgElement dial = svgGroup();
    dial.child(svgCircle(cx, cy, r).fill(palette::gold).stroke(palette::outline, 4));
    dial.child(svgCircle(cx, cy, r * 0.78).fill(palette::cream).stroke(palette::goldShadow, 2));
    for (int i = 0; i < 7; ++i) {
        const double a = pi * (0.75 + i * 0.25);
        SvgElement tick = svgPath(PathBuilder()
                                      .moveTo(cx + std::cos(a) * r * 0.62, cy + std::sin(a) * r * 0.62)
                                      .lineTo(cx + std::cos(a) * r * 0.72, cy + std::sin(a) * r * 0.72)
                                      .str());
        tick.stroke(palette::outline, 2.5);
        dial.child(tick);
    }
    const double a = needleDegrees * pi / 180.0;
    SvgElement needle =
        svgPath(PathBuilder().moveTo(cx, cy).lineTo(cx + std::cos(a) * r * 0.6, cy + std::sin(a) * r * 0.6).str());
    needle.stroke(palette::tomato, 4);
    dial.child(needle);
    dial.child(svgCircle(cx, cy, r * 0.12).fill(palette::outline));
    return dial;
}

SvgElement valveWheel(double cx, double cy, double r)
{
    SvgElement wheel = svgGroup();
    for (int i = 0; i < 3; ++i) {
        const double a = i * pi / 3.0;
        SvgElement spoke = svgPath(PathBuilder()
                                       .moveTo(cx + std::cos(a) * r, cy + std::sin(a) * r)
                                       .lineTo(cx - std::cos(a) * r, cy - std::sin(a) * r)
                                       .str());
        spoke.stroke(palette::tomatoShadow, 5);
        wheel.child(spoke);
    }
    SvgElement rim = svgCircle(cx, cy, r);
    rim.attr("fill", "none").stroke(palette::outline, 9);
    wheel.child(rim);
    SvgElement rimFace = svgCircle(cx, cy, r);
    rimFace.attr("fill", "none").stroke(palette::tomato, 5);
    wheel.child(rimFace);
    wheel.child(svgCircle(cx, cy, r * 0.25).fill(palette::gold).stroke(palette::outline, 2));
    return wheel;
}

struct PipeStyle {
    Tones tones;
    double width;
};

// A straight pipe from a to b (horizontal or vertical), lit along one side, with collars.
SvgElement pipe(double ax, double ay, double bx, double by, const PipeStyle& style, double collarSpacing)
{
    SvgElement group = svgGroup();
    const bool horizontal = ay == by;
    auto band = [&](double offset, double thickness, const char* colour) {
        SvgElement line = svgPath(PathBuilder()
                                      .moveTo(ax + (horizontal ? 0 : offset), ay + (horizontal ? offset : 0))
                                      .lineTo(bx + (horizontal ? 0 : offset), by + (horizontal ? offset : 0))
                                      .str());
        line.stroke(colour, thickness);
        line.attr("stroke-linecap", "butt");
        return line;
    };
    group.child(band(0, style.width + 2 * backgroundOutline, palette::outline));
    group.child(band(0, style.width, style.tones.face));
    group.child(band(style.width * 0.28, style.width * 0.3, style.tones.shadow));
    group.child(band(-style.width * 0.22, style.width * 0.14, style.tones.highlight));
    const double length = horizontal ? bx - ax : by - ay;
    for (double t = collarSpacing / 2; t < length; t += collarSpacing) {
        const double cx = horizontal ? ax + t : ax;
        const double cy = horizontal ? ay : ay + t;
        const double w = horizontal ? 18 : style.width + 12;
        const double h = horizontal ? style.width + 12 : 18;
        group.child(svgRect(cx - w / 2, cy - h / 2, w, h, 4).fill(style.tones.face).stroke(palette::outline, 3));
        group.child(svgRect(cx - w / 2 + 3, cy - h / 2 + 3, horizontal ? 5 : w - 6, horizontal ? h - 6 : 5, 2)
                        .fill(style.tones.highlight));
    }
    return group;
}

SvgElement window(double x, double y, double w, double h, const char* glow)
{
    SvgElement group = svgGroup();
    group.child(svgRect(x, y, w, h, 3).fill(glow));
    SvgElement bars = svgPath(PathBuilder()
                                  .moveTo(x + w / 2, y)
                                  .lineTo(x + w / 2, y + h)
                                  .moveTo(x, y + h / 2)
                                  .lineTo(x + w, y + h / 2)
                                  .str());
    bars.stroke("#3a1430", 2.5);
    group.child(bars);
    return group;
}

}  // namespace

void BackgroundPainter::paint(int world, SvgDocument& document, RandomStream& random)
{
    document.setWrap(true);
    switch (world) {
    case 1: sunnyHills(document, random); break;
    case 2: giantsBathroom(document, random); break;
    case 3: crystalCave(document, random); break;
    case 4: plumbingUnderworld(document, random); break;
    case 5: sunsetRooftops(document, random); break;
    default: throw std::runtime_error("no background for world " + std::to_string(world));
    }
}

void BackgroundPainter::sunnyHills(SvgDocument& art, RandomStream& random)
{
    art.add(fillAll(palette::sky));
    // The sun and its rays.
    for (int i = 0; i < 12; ++i) {
        const double a = i * pi / 6.0;
        art.add(ShapeKit::polygon({{390 + std::cos(a) * 40, 70 + std::sin(a) * 40},
                                   {390 + std::cos(a + 0.16) * 78, 70 + std::sin(a + 0.16) * 78},
                                   {390 + std::cos(a - 0.16) * 78, 70 + std::sin(a - 0.16) * 78}},
                                  palette::goldHighlight));
    }
    art.add(svgCircle(390, 70, 38).fill(palette::gold).stroke(palette::outline, backgroundOutline));
    art.add(svgCircle(380, 60, 26).fill(palette::goldHighlight));
    const Tones cloudTones{palette::white, palette::skyHighlight, palette::white};
    const Tones nearHills{palette::leaf, palette::leafShadow, palette::leafHighlight};
    const Tones farHills{"#9fe39a", "#5fbf6a", "#d9f7c8"};
    // Two bands of hills, each standing in a sea of cloud that hides where it ends.
    struct Band {
        double crest, bottom, shift;
        const Tones* tones;
    };
    for (const Band band : {Band{150, 262, 0, &farHills}, Band{390, 512, 128, &nearHills}}) {
        SvgElement hills = ShapeKit::hills(random, -band.shift, tile, band.crest, 40, band.bottom + 8, 4, *band.tones,
                                           backgroundOutline);
        art.add(hills);
        for (double x = 60 - band.shift; x < tile - band.shift; x += 128) {
            art.add(lollipopTree(x + random.uniform(0, 30), band.crest + 62 + random.uniform(0, 10),
                                 random.uniform(30, 38)));
        }
        for (double x = -band.shift; x < tile - band.shift; x += 64) {
            art.add(ShapeKit::cloud(random, x + random.uniform(-6, 6), band.bottom + random.uniform(16, 20),
                                    random.uniform(90, 110), random.uniform(34, 42), cloudTones, backgroundOutline));
        }
    }
    // Small clouds drifting in the open sky.
    art.add(ShapeKit::cloud(random, 120, 84, 120, 46, cloudTones, backgroundOutline));
    art.add(ShapeKit::cloud(random, 250, 335, 100, 40, cloudTones, backgroundOutline));
    art.add(ShapeKit::cloud(random, 470, 318, 80, 34, cloudTones, backgroundOutline));
}

void BackgroundPainter::giantsBathroom(SvgDocument& art, RandomStream& random)
{
    constexpr double wallTile = 64.0;
    art.add(fillAll("#8a7fa6"));
    for (double y = 0; y < tile; y += wallTile) {
        for (double x = 0; x < tile; x += wallTile) {
            // Every fourth row is a teal border of smaller tiles.
            const bool border = static_cast<int>(y / wallTile) % 4 == 3;
            const char* face = border ? palette::teal : (random.chance(0.1) ? palette::lilac : palette::white);
            const char* shade = border ? palette::tealShadow : palette::creamShadow;
            art.add(svgRect(x + 3, y + 3, wallTile - 6, wallTile - 6, 8).fill(shade));
            art.add(svgRect(x + 3, y + 3, wallTile - 10, wallTile - 10, 8).fill(face));
            art.add(svgRect(x + 10, y + 9, 16, 5, 2.5).fill(palette::white));
        }
    }
    // The mirror: a gold oval with glassy streaks.
    art.add(svgEllipse(150, 150, 88, 112).fill(palette::gold).stroke(palette::outline, backgroundOutline));
    art.add(svgEllipse(150, 150, 72, 96).fill(palette::sky).stroke(palette::goldShadow, 3));
    art.add(ShapeKit::polygon({{105, 120}, {150, 72}, {166, 84}, {120, 134}}, palette::skyHighlight));
    art.add(ShapeKit::polygon({{118, 170}, {180, 104}, {188, 114}, {126, 180}}, palette::skyHighlight));
    // The towel rail and a striped towel.
    art.add(svgRect(300, 96, 230, 14, 7).fill(palette::gold).stroke(palette::outline, backgroundOutline));
    art.add(svgRect(304, 99, 222, 4, 2).fill(palette::goldHighlight));
    for (double bracket : {312.0, 518.0}) {
        art.add(svgCircle(bracket, 103, 12).fill(palette::goldShadow).stroke(palette::outline, 3));
    }
    art.add(svgRect(350, 92, 130, 180, 14).fill(palette::tomato).stroke(palette::outline, backgroundOutline));
    for (double stripe : {196.0, 224.0}) {
        art.add(svgRect(352, stripe, 126, 12).fill(palette::cream));
    }
    art.add(svgRect(352, 92, 20, 178, 10).fill(palette::tomatoShadow));
    art.add(svgRect(350, 92, 130, 26, 10).fill(palette::tomatoHighlight).stroke(palette::outline, 3));
    // A rubber duck sitting on the border tiles.
    const double duckX = 210;
    const double duckY = 440;
    art.add(svgEllipse(duckX, duckY, 40, 26).fill(palette::gold).stroke(palette::outline, backgroundOutline));
    art.add(svgCircle(duckX + 26, duckY - 30, 20).fill(palette::gold).stroke(palette::outline, backgroundOutline));
    art.add(svgEllipse(duckX + 50, duckY - 26, 12, 6).fill(palette::orange).stroke(palette::outline, 3));
    art.add(svgCircle(duckX + 32, duckY - 34, 4).fill(palette::outline));
    art.add(svgEllipse(duckX - 8, duckY - 4, 18, 9).fill(palette::goldShadow));
}

void BackgroundPainter::crystalCave(SvgDocument& art, RandomStream& random)
{
    // Darkened the most of all: light rock, white-hot crystals.
    art.add(fillAll(palette::lilacHighlight));
    for (int i = 0; i < 26; ++i) {
        const double cx = random.uniform(0, tile);
        const double cy = random.uniform(0, tile);
        const double r = random.uniform(28, 60);
        std::vector<Point> facet;
        for (int k = 0; k < 6; ++k) {
            const double a = k * pi / 3.0 + random.uniform(-0.3, 0.3);
            facet.push_back({cx + std::cos(a) * r * random.uniform(0.7, 1.1), cy + std::sin(a) * r * 0.8});
        }
        art.add(ShapeKit::polygon(facet, random.chance(0.6) ? palette::lilac : palette::violetHighlight));
    }
    const Tones crystalTones[] = {{palette::white, palette::lilacHighlight, palette::white},
                                  {palette::tealHighlight, palette::teal, palette::white},
                                  {palette::cream, palette::gold, palette::white}};
    struct Cluster {
        double x, y, scale;
    };
    for (const Cluster cluster :
         {Cluster{90, 180, 1.2}, Cluster{330, 120, 0.9}, Cluster{250, 420, 1.3}, Cluster{470, 330, 0.8}}) {
        for (int k = -2; k <= 2; ++k) {
            const Tones& tones = crystalTones[random.below(3)];
            art.add(ShapeKit::crystal(
                cluster.x + k * 16 * cluster.scale, cluster.y, random.uniform(9, 13) * cluster.scale,
                (90 - std::abs(k) * 22 + random.uniform(-8, 8)) * cluster.scale, k * 14.0, tones, backgroundOutline));
        }
        art.add(svgEllipse(cluster.x, cluster.y + 4, 56 * cluster.scale, 12 * cluster.scale)
                    .fill(palette::violet)
                    .stroke(palette::outline, backgroundOutline));
    }
    // Glowing mushrooms between the clusters.
    for (const Point spot : {Point{190, 260}, Point{420, 470}, Point{40, 400}}) {
        art.add(svgRect(spot.x - 6, spot.y - 30, 12, 30, 5).fill(palette::cream).stroke(palette::outline, 3));
        art.add(svgPath(PathBuilder()
                            .moveTo(spot.x - 30, spot.y - 28)
                            .quadTo(spot.x, spot.y - 72, spot.x + 30, spot.y - 28)
                            .close()
                            .str())
                    .fill(palette::teal)
                    .stroke(palette::outline, 3));
        art.add(svgCircle(spot.x - 10, spot.y - 42, 5).fill(palette::tealHighlight));
        art.add(svgCircle(spot.x + 9, spot.y - 36, 4).fill(palette::tealHighlight));
    }
    for (int i = 0; i < 30; ++i) {
        art.add(
            ShapeKit::sparkle(random.uniform(0, tile), random.uniform(0, tile), random.uniform(6, 14), palette::white));
    }
}

void BackgroundPainter::plumbingUnderworld(SvgDocument& art, RandomStream& random)
{
    constexpr double brickW = 64.0;
    constexpr double brickH = 32.0;
    art.add(fillAll("#4a3038"));
    for (double y = 0; y < tile; y += brickH) {
        const double offset = static_cast<int>(y / brickH) % 2 == 0 ? 0.0 : brickW / 2;
        for (double x = -offset; x < tile; x += brickW) {
            const char* face = random.chance(0.2) ? palette::brickShadow : palette::brick;
            art.add(svgRect(x + 3, y + 3, brickW - 6, brickH - 6, 4).fill(face));
            art.add(svgRect(x + 8, y + 7, 18, 4, 2).fill(palette::brickHighlight));
        }
    }
    const PipeStyle brass{{palette::gold, palette::goldShadow, palette::goldHighlight}, 30};
    const PipeStyle copper{{palette::orange, palette::orangeShadow, palette::cream}, 24};
    const PipeStyle tealPipe{{palette::teal, palette::tealShadow, palette::tealHighlight}, 36};
    // Full-length pipes: they leave one edge and come back in at the other.
    art.add(pipe(-20, 110, tile + 20, 110, brass, 128));
    art.add(pipe(-20, 370, tile + 20, 370, tealPipe, 170));
    art.add(pipe(150, -20, 150, tile + 20, copper, 128));
    art.add(pipe(400, -20, 400, tile + 20, brass, 170));
    // Junction boxes where pipes cross.
    for (const Point joint : {Point{150, 110}, Point{400, 110}, Point{150, 370}, Point{400, 370}}) {
        art.add(svgRect(joint.x - 26, joint.y - 26, 52, 52, 10)
                    .fill(palette::stone)
                    .stroke(palette::outline, backgroundOutline));
        art.add(svgRect(joint.x - 20, joint.y - 20, 22, 6, 3).fill(palette::stoneHighlight));
        for (const Point bolt : {Point{-17, -17}, Point{17, -17}, Point{-17, 17}, Point{17, 17}}) {
            art.add(svgCircle(joint.x + bolt.x, joint.y + bolt.y, 3.5).fill(palette::stoneShadow));
        }
    }
    art.add(gauge(275, 110, 40, -40));
    art.add(gauge(400, 245, 34, 200));
    art.add(gauge(60, 370, 30, 10));
    art.add(valveWheel(150, 240, 30));
    art.add(valveWheel(280, 370, 26));
    // Little puffs of steam escaping from the joints.
    const Tones steam{palette::white, palette::stoneHighlight, palette::white};
    art.add(ShapeKit::cloud(random, 200, 470, 90, 40, steam, backgroundOutline));
    art.add(ShapeKit::cloud(random, 470, 40, 70, 32, steam, backgroundOutline));
}

void BackgroundPainter::sunsetRooftops(SvgDocument& art, RandomStream& random)
{
    // Only the red channel reaches the screen: bright sky, nearly red-free rooftops, glowing windows.
    const char* sky = "#ffb05a";
    const char* skyBright = "#fff0b0";
    const char* streak = "#b05a8c";
    const char* roofDark = "#2c1a48";
    const char* roofEdge = "#9a5aa0";
    const char* glow = "#ffe070";
    const char* mist = "#e0a0c0";
    art.add(fillAll(sky));
    // Streaks of evening cloud.
    for (const Point s : {Point{60, 60}, Point{300, 36}, Point{200, 300}, Point{440, 290}}) {
        art.add(svgRect(s.x - 70, s.y, 140, 12, 6).fill(streak));
        art.add(svgRect(s.x - 40, s.y + 18, 110, 8, 4).fill(streak));
    }
    // The sun sinking behind the first row of roofs, a bright halo around it.
    art.add(svgCircle(330, 150, 70).fill(skyBright));
    art.add(svgCircle(330, 150, 50).fill(palette::white));
    struct Row {
        double baseY, shift;
    };
    for (const Row row : {Row{250, 0}, Row{500, 200}}) {
        double x = -row.shift;
        while (x < tile + 40) {
            const double w = random.uniform(60, 100);
            const double wallTop = row.baseY - random.uniform(70, 130);
            const double roofRise = random.uniform(30, 55);
            // Gabled house: dark wall and roof, a lighter roof edge.
            art.add(svgRect(x, wallTop, w, row.baseY - wallTop + 40).fill(roofDark));
            art.add(ShapeKit::polygon({{x - 8, wallTop + 2}, {x + w / 2, wallTop - roofRise}, {x + w + 8, wallTop + 2}},
                                      roofDark)
                        .stroke(roofEdge, 5));
            if (random.chance(0.6)) {
                const double cx = x + w * random.uniform(0.6, 0.75);
                art.add(svgRect(cx, wallTop - roofRise - 10, 14, roofRise + 10).fill(roofDark).stroke(roofEdge, 3));
                art.add(svgRect(cx - 3, wallTop - roofRise - 16, 20, 8, 2).fill(roofDark).stroke(roofEdge, 3));
            }
            for (double wy = wallTop + 18; wy < row.baseY - 20; wy += 38) {
                for (double wx = x + 12; wx < x + w - 22; wx += 30) {
                    if (random.chance(0.55)) {
                        art.add(window(wx, wy, 16, 20, glow));
                    }
                }
            }
            x += w + random.uniform(10, 26);
        }
        // Evening mist hides where the row ends.
        for (double mx = -row.shift; mx < tile + 80; mx += 70) {
            art.add(svgEllipse(mx, row.baseY + 22, 60, 18).fill(mist));
        }
        art.add(svgRect(-row.shift, row.baseY + 22, tile + 80, 20).fill(mist));
    }
}
