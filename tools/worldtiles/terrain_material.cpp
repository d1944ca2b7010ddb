// Flat colour, one shadow and one highlight per shape; every pattern is laid on the 32-pixel cell grid,
// so pieces of one world placed on cells continue each other's pattern.
#include "terrain_material.hpp"

#include "palette.hpp"
#include "path_builder.hpp"
#include "shape_kit.hpp"

#include <array>
#include <cmath>
#include <stdexcept>

namespace {

constexpr double pi = 3.14159265358979;

struct MaterialName {
    const char* name;
    TerrainKind kind;
};

constexpr std::array<MaterialName, static_cast<size_t>(TerrainKind::Count)> materialNames = {{
    {"grass", TerrainKind::Grass},
    {"tiles", TerrainKind::Tiles},
    {"crystal", TerrainKind::Crystal},
    {"brick", TerrainKind::Brick},
    {"roof", TerrainKind::Roof},
    {"stone", TerrainKind::Stone},
    {"chimney", TerrainKind::Chimney},
    {"pipe", TerrainKind::Pipe},
}};

// Brick walls come in two colourings: the rusty underworld and the sandy chimneys.
struct BrickColours {
    const char* mortar;
    const char* face;
    const char* shadow;
    const char* highlight;
};
constexpr BrickColours rustyBricks = {palette::mortar, palette::brick, palette::brickShadow, palette::brickHighlight};
constexpr BrickColours sandyBricks = {palette::sandShadow, palette::sand, "#c9955f", "#f3d3a6"};

// Band heights of surfaces and undersides, in level pixels.
constexpr double grassDepth = 12.0;
constexpr double railDepth = 9.0;
constexpr double pipeCapDepth = 14.0;
constexpr double ridgeDepth = 10.0;
constexpr double slabDepth = 10.0;
constexpr double undersideDepth = 6.0;
constexpr double brickHeight = 16.0;
constexpr double roofRowHeight = 16.0;
constexpr double roofTileWidth = 16.0;
constexpr double pipeBandHeight = 64.0;
constexpr double pipeFlangeSpacing = 128.0;

SvgElement filledRect(double x, double y, double w, double h, const char* colour, double radius = 0.0)
{
    SvgElement rect = svgRect(x, y, w, h, radius);
    rect.fill(colour);
    return rect;
}

// A rounded pebble: a wobbly loop with a highlight and a thin outline.
SvgElement pebble(RandomStream& random, double cx, double cy, double radius, const char* face, const char* highlight)
{
    std::vector<Point> loop;
    constexpr int lobes = 7;
    for (int i = 0; i < lobes; ++i) {
        const double angle = 2.0 * pi * i / lobes;
        const double r = radius * random.uniform(0.8, 1.05);
        loop.push_back({cx + std::cos(angle) * r * 1.2, cy + std::sin(angle) * r});
    }
    SvgElement group = svgGroup();
    SvgElement body = svgPath(PathBuilder().smoothLoop(loop).str());
    body.fill(face).stroke(palette::outline, 2.0);
    group.child(body);
    SvgElement shine = svgEllipse(cx - radius * 0.35, cy - radius * 0.35, radius * 0.4, radius * 0.22);
    shine.fill(highlight);
    group.child(shine);
    return group;
}

Tones pickCrystalTones(RandomStream& random)
{
    switch (random.below(3)) {
    case 0: return {palette::teal, palette::tealShadow, palette::tealHighlight};
    case 1: return {palette::lilac, palette::lilacShadow, palette::white};
    default: return {palette::cream, palette::creamShadow, palette::white};
    }
}

void paintBrickWall(SvgElement& group, RandomStream& random, double width, double height, const BrickColours& colours)
{
    group.child(filledRect(0, 0, width, height, colours.mortar));
    const int rows = static_cast<int>(std::ceil(height / brickHeight));
    for (int row = 0; row < rows; ++row) {
        const double y = row * brickHeight;
        const double offset = (row % 2 == 0) ? 0.0 : -cellPixels / 2.0;
        for (double x = offset; x < width; x += cellPixels) {
            const char* face = random.chance(0.15) ? colours.shadow : colours.face;
            group.child(filledRect(x + 1.5, y + 1.5, cellPixels - 3.0, brickHeight - 3.0, colours.shadow, 3.0));
            group.child(filledRect(x + 1.5, y + 1.5, cellPixels - 4.5, brickHeight - 5.0, face, 3.0));
            group.child(filledRect(x + 4.0, y + 3.0, random.uniform(6.0, 14.0), 2.0, colours.highlight, 1.0));
        }
    }
}

}  // namespace

TerrainMaterial TerrainMaterial::fromName(const std::string& name)
{
    for (const MaterialName& entry : materialNames) {
        if (name == entry.name) {
            return TerrainMaterial(entry.kind);
        }
    }
    throw std::runtime_error("unknown terrain material \"" + name + "\"");
}

void TerrainMaterial::paintBody(SvgElement& group, RandomStream& random, double width, double height) const
{
    switch (kind) {
    case TerrainKind::Grass: paintEarth(group, random, width, height); break;
    case TerrainKind::Tiles: paintPorcelain(group, random, width, height); break;
    case TerrainKind::Crystal: paintCrystalRock(group, random, width, height); break;
    case TerrainKind::Brick: paintBricks(group, random, width, height); break;
    case TerrainKind::Roof: paintRoofTiles(group, random, width, height); break;
    case TerrainKind::Stone: paintMasonry(group, random, width, height); break;
    case TerrainKind::Chimney: paintBrickWall(group, random, width, height, sandyBricks); break;
    case TerrainKind::Pipe: paintPipeBands(group, width, height); break;
    case TerrainKind::Count: break;
    }
}

void TerrainMaterial::paintEarth(SvgElement& group, RandomStream& random, double width, double height) const
{
    group.child(filledRect(0, 0, width, height, palette::earth));
    for (double y = 0; y < height; y += cellPixels / 2.0) {
        for (double x = 0; x < width; x += cellPixels / 2.0) {
            SvgElement speck = svgEllipse(x + random.uniform(2, 14), y + random.uniform(2, 14), random.uniform(2, 4),
                                          random.uniform(1.2, 2));
            speck.fill(random.chance(0.6) ? palette::earthShadow : palette::earthHighlight);
            group.child(speck);
        }
    }
    for (double y = 0; y < height; y += 2 * cellPixels) {
        for (double x = 0; x < width; x += 2 * cellPixels) {
            if (random.chance(0.75)) {
                group.child(pebble(random, x + random.uniform(12, 52), y + random.uniform(16, 52),
                                   random.uniform(6, 11), palette::stone, palette::stoneHighlight));
            }
        }
    }
}

void TerrainMaterial::paintPorcelain(SvgElement& group, RandomStream& random, double width, double height) const
{
    group.child(filledRect(0, 0, width, height, palette::grout));
    for (double y = 0; y < height; y += cellPixels) {
        for (double x = 0; x < width; x += cellPixels) {
            const double pick = random.uniform(0, 1);
            const char* face = pick < 0.14 ? palette::teal : (pick < 0.22 ? palette::lilac : palette::cream);
            const char* shade =
                pick < 0.14 ? palette::tealShadow : (pick < 0.22 ? palette::lilacShadow : palette::creamShadow);
            group.child(filledRect(x + 1.5, y + 1.5, cellPixels - 3, cellPixels - 3, shade, 4));
            group.child(filledRect(x + 1.5, y + 1.5, cellPixels - 5, cellPixels - 5.5, face, 4));
            SvgElement shine = filledRect(x + 5, y + 5, 9, 3, palette::white, 1.5);
            shine.opacity(0.9);
            group.child(shine);
        }
    }
}

void TerrainMaterial::paintCrystalRock(SvgElement& group, RandomStream& random, double width, double height) const
{
    group.child(filledRect(0, 0, width, height, palette::violet));
    for (double y = 0; y < height; y += cellPixels) {
        for (double x = 0; x < width; x += cellPixels) {
            const double cx = x + random.uniform(10, 22);
            const double cy = y + random.uniform(10, 22);
            const double r = random.uniform(9, 15);
            group.child(ShapeKit::polygon({{cx - r, cy + random.uniform(-4, 4)},
                                           {cx + random.uniform(-4, 4), cy - r},
                                           {cx + r, cy + random.uniform(-4, 4)},
                                           {cx + random.uniform(-4, 4), cy + r * 0.8}},
                                          random.chance(0.7) ? palette::violetShadow : palette::violetHighlight));
        }
    }
    for (double y = 0; y < height; y += 2 * cellPixels) {
        for (double x = 0; x < width; x += 2 * cellPixels) {
            if (random.chance(0.55)) {
                group.child(ShapeKit::crystal(x + random.uniform(16, 48), y + random.uniform(34, 56),
                                              random.uniform(4, 6), random.uniform(16, 26), random.uniform(-40, 40),
                                              pickCrystalTones(random), 2.0));
            }
        }
    }
}

void TerrainMaterial::paintBricks(SvgElement& group, RandomStream& random, double width, double height) const
{
    paintBrickWall(group, random, width, height, rustyBricks);
    // Now and then a bolted plate, the underworld's patchwork repairs.
    for (double y = 0; y < height; y += 2 * cellPixels) {
        for (double x = 0; x < width; x += 2 * cellPixels) {
            if (!random.chance(0.12)) {
                continue;
            }
            const double px = x + cellPixels / 2.0;
            const double py = y + cellPixels / 2.0;
            SvgElement plate = filledRect(px, py, cellPixels, cellPixels, palette::rustShadow, 4);
            plate.stroke(palette::outline, 2.0);
            group.child(plate);
            group.child(filledRect(px + 3, py + 3, cellPixels - 10, 3, palette::rust, 1.5));
            for (const Point bolt : {Point{5, 5}, Point{27, 5}, Point{5, 27}, Point{27, 27}}) {
                SvgElement head = svgCircle(px + bolt.x, py + bolt.y, 2);
                head.fill(palette::rustHighlight);
                group.child(head);
            }
        }
    }
}

void TerrainMaterial::paintRoofTiles(SvgElement& group, RandomStream& random, double width, double height) const
{
    group.child(filledRect(0, 0, width, height, palette::tomatoShadow));
    const int rows = static_cast<int>(std::ceil(height / roofRowHeight));
    // Lower rows first, so each row's rounded ends lie over the row below.
    for (int row = rows - 1; row >= 0; --row) {
        const double y = row * roofRowHeight;
        const double offset = (row % 2 == 0) ? 0.0 : -roofTileWidth / 2.0;
        for (double x = offset; x < width; x += roofTileWidth) {
            const bool orange = random.chance(0.18);
            PathBuilder tile;
            tile.moveTo(x + 0.8, y)
                .lineTo(x + roofTileWidth - 0.8, y)
                .lineTo(x + roofTileWidth - 0.8, y + 13)
                .quadTo(x + roofTileWidth - 0.8, y + 20, x + roofTileWidth / 2, y + 20)
                .quadTo(x + 0.8, y + 20, x + 0.8, y + 13)
                .close();
            SvgElement face = svgPath(tile.str());
            face.fill(orange ? palette::orange : palette::tomato).stroke(palette::tomatoShadow, 1.6);
            group.child(face);
            SvgElement shine = filledRect(x + 3.5, y + 6, 3, 9, palette::tomatoHighlight, 1.5);
            group.child(shine);
        }
    }
}

void TerrainMaterial::paintMasonry(SvgElement& group, RandomStream& random, double width, double height) const
{
    group.child(filledRect(0, 0, width, height, palette::stoneShadow));
    for (double y = 0; y < height; y += cellPixels) {
        const double offset = (static_cast<int>(y / cellPixels) % 2 == 0) ? 0.0 : -cellPixels / 2.0;
        for (double x = offset; x < width; x += cellPixels) {
            group.child(filledRect(x + 2, y + 2, cellPixels - 4, cellPixels - 4, palette::stone, 5));
            group.child(filledRect(x + 5, y + 4, random.uniform(8, 16), 3, palette::stoneHighlight, 1.5));
            if (random.chance(0.35)) {
                SvgElement crack = svgPath(PathBuilder()
                                               .moveTo(x + random.uniform(8, 24), y + 10)
                                               .lineTo(x + random.uniform(10, 22), y + 18)
                                               .lineTo(x + random.uniform(8, 24), y + 25)
                                               .str());
                crack.attr("fill", "none").stroke(palette::stoneShadow, 1.5);
                group.child(crack);
            }
        }
    }
}

void TerrainMaterial::paintPipeBands(SvgElement& group, double width, double height) const
{
    for (double y = 0; y < height; y += pipeBandHeight) {
        group.child(filledRect(0, y, width, pipeBandHeight, palette::rust));
        group.child(filledRect(0, y + 9, width, 10, palette::rustHighlight));
        group.child(filledRect(0, y + 13, width, 3, palette::cream));
        group.child(filledRect(0, y + 44, width, pipeBandHeight - 44, palette::rustShadow));
        for (double x = pipeFlangeSpacing / 2; x < width; x += pipeFlangeSpacing) {
            SvgElement flange = filledRect(x - 8, y, 16, pipeBandHeight, palette::rust, 3);
            flange.stroke(palette::outline, 2.5);
            group.child(flange);
            group.child(filledRect(x - 5, y + 4, 4, pipeBandHeight - 12, palette::rustHighlight, 2));
            for (double boltY : {y + 9.0, y + 32.0, y + 55.0}) {
                SvgElement bolt = svgCircle(x + 2, boltY, 2.6);
                bolt.fill(palette::rustShadow).stroke(palette::outline, 1.2);
                group.child(bolt);
            }
        }
    }
}

void TerrainMaterial::paintCap(SvgElement& group, RandomStream& random, double x, double y) const
{
    switch (kind) {
    case TerrainKind::Grass: {
        // Scalloped turf: a dark rim under the bumps, one sunny streak on top.
        for (int layer = 0; layer < 2; ++layer) {
            const double drop = layer == 0 ? 3.0 : 0.0;
            PathBuilder turf;
            turf.moveTo(x, y).lineTo(x + cellPixels, y).lineTo(x + cellPixels, y + grassDepth + drop);
            for (double bx = x + cellPixels; bx > x; bx -= 8.0) {
                turf.quadTo(bx - 4.0, y + grassDepth + 6.0 + drop, bx - 8.0, y + grassDepth + drop);
            }
            turf.close();
            SvgElement band = svgPath(turf.str());
            band.fill(layer == 0 ? palette::leafShadow : palette::leaf);
            group.child(band);
        }
        group.child(
            filledRect(x + random.uniform(2, 14), y + 6, random.uniform(8, 14), 2.5, palette::leafHighlight, 1.2));
        if (random.chance(0.25)) {
            const double fx = x + random.uniform(6, 26);
            SvgElement petal = svgCircle(fx, y + 10, 2.8);
            petal.fill(random.chance(0.5) ? palette::cream : palette::tomato);
            group.child(petal);
            SvgElement middle = svgCircle(fx, y + 10, 1.2);
            middle.fill(palette::gold);
            group.child(middle);
        }
        break;
    }
    case TerrainKind::Tiles:
        group.child(filledRect(x, y, cellPixels, railDepth + 3, palette::goldShadow));
        group.child(filledRect(x, y, cellPixels, railDepth, palette::gold));
        group.child(filledRect(x, y + 5, cellPixels, 2, palette::goldHighlight));
        group.child(svgCircle(x + cellPixels / 2, y + railDepth - 2.5, 1.8).fill(palette::goldShadow));
        break;
    case TerrainKind::Crystal:
        group.child(filledRect(x, y, cellPixels, 9, palette::violetShadow));
        for (double sx : {5.0, 16.0, 27.0}) {
            group.child(ShapeKit::crystal(x + sx + random.uniform(-1.5, 1.5), y + random.uniform(18, 22),
                                          random.uniform(4, 5.5), random.uniform(14, 20), random.uniform(-12, 12),
                                          pickCrystalTones(random), 1.5));
        }
        break;
    case TerrainKind::Brick:
        group.child(filledRect(x, y, cellPixels, pipeCapDepth, palette::rust));
        group.child(filledRect(x, y + 3, cellPixels, 3, palette::rustHighlight));
        group.child(filledRect(x, y + 10, cellPixels, pipeCapDepth - 10, palette::rustShadow));
        group.child(filledRect(x + 13, y, 6, pipeCapDepth + 2, palette::rustShadow, 2));
        group.child(svgCircle(x + 16, y + 7, 1.6).fill(palette::rustHighlight));
        break;
    case TerrainKind::Roof:
        group.child(filledRect(x, y, cellPixels, ridgeDepth, palette::slate));
        for (double bx = x; bx < x + cellPixels; bx += roofTileWidth) {
            SvgElement bump = svgEllipse(bx + roofTileWidth / 2, y + ridgeDepth, roofTileWidth / 2 - 0.5, 5);
            bump.fill(palette::orange).stroke(palette::orangeShadow, 1.5);
            group.child(bump);
        }
        group.child(filledRect(x, y + 3, cellPixels, 2, palette::slateShadow));
        break;
    case TerrainKind::Stone:
    case TerrainKind::Chimney:
        group.child(filledRect(x, y, cellPixels, slabDepth + 2, palette::stoneShadow));
        group.child(filledRect(x, y, cellPixels, slabDepth, palette::stone));
        group.child(filledRect(x, y + 5, cellPixels, 2, palette::stoneHighlight));
        break;
    case TerrainKind::Pipe:
    case TerrainKind::Count: break;
    }
}

void TerrainMaterial::paintUnderside(SvgElement& group, RandomStream& random, double x, double y) const
{
    const double bottom = y + cellPixels;
    switch (kind) {
    case TerrainKind::Grass: {
        group.child(filledRect(x, bottom - undersideDepth - 2, cellPixels, undersideDepth + 2, palette::earthShadow));
        if (random.chance(0.5)) {
            const double rx = x + random.uniform(6, 26);
            SvgElement root =
                svgPath(PathBuilder()
                            .moveTo(rx, bottom)
                            .quadTo(rx + random.uniform(-6, 6), bottom - 8, rx + random.uniform(-4, 4), bottom - 15)
                            .str());
            root.attr("fill", "none").stroke(palette::earthHighlight, 2.0);
            group.child(root);
        }
        break;
    }
    case TerrainKind::Tiles: group.child(filledRect(x, bottom - 5, cellPixels, 5, palette::lilacShadow)); break;
    case TerrainKind::Crystal:
        group.child(filledRect(x, bottom - undersideDepth, cellPixels, undersideDepth, palette::violetDeep));
        for (double dx : {8.0, 24.0}) {
            const double tipX = x + dx + random.uniform(-3, 3);
            group.child(ShapeKit::polygon({{tipX - 5, bottom - undersideDepth},
                                           {tipX + 5, bottom - undersideDepth},
                                           {tipX, bottom - undersideDepth - random.uniform(5, 11)}},
                                          palette::violetDeep));
        }
        break;
    case TerrainKind::Brick: group.child(filledRect(x, bottom - 5, cellPixels, 5, palette::mortar)); break;
    case TerrainKind::Roof:
        group.child(filledRect(x, bottom - 9, cellPixels, 9, palette::earth));
        group.child(filledRect(x + 12, bottom - 9, 8, 9, palette::earthShadow, 1.5));
        break;
    case TerrainKind::Stone:
    case TerrainKind::Chimney:
        group.child(filledRect(x, bottom - undersideDepth, cellPixels, undersideDepth, palette::stoneShadow));
        break;
    case TerrainKind::Pipe:
    case TerrainKind::Count: break;
    }
}
