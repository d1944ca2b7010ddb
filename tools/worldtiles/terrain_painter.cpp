// The outline is a stroke twice its width, clipped to the shape, so it never spills into free cells.
#include "terrain_painter.hpp"

#include "palette.hpp"
#include "path_builder.hpp"

namespace {

// Level pixels; about 6 image pixels on a 512-pixel picture of a 400-pixel piece.
constexpr double outlineWidth = 5.0;
constexpr double tileSurfaceLine = 4.0;
constexpr double convexCornerRadius = 8.0;
constexpr double concaveCornerRadius = 5.0;

std::string outlinePath(const CellMask& mask)
{
    PathBuilder path;
    for (const std::vector<Point>& loop : mask.outlineLoops()) {
        std::vector<Point> scaled;
        for (const Point corner : loop) {
            scaled.push_back({corner.x * cellPixels, corner.y * cellPixels});
        }
        path.roundedPolygon(scaled, convexCornerRadius, concaveCornerRadius);
    }
    return path.str();
}

}  // namespace

void TerrainPainter::paintFormation(SvgDocument& document, RandomStream& random, const CellMask& mask,
                                    const TerrainMaterial& material)
{
    const double width = mask.columns() * cellPixels;
    const double height = mask.rows() * cellPixels;
    const std::string shape = outlinePath(mask);

    // The shape reaches past joined sides; the box keeps it off the picture's free strip.
    SvgElement boxClip("clipPath");
    boxClip.attr("id", "box").child(svgRect(0, 0, width, height));
    document.define(boxClip);
    SvgElement shapeClip("clipPath");
    shapeClip.attr("id", "shape").child(svgPath(shape).attr("clip-rule", "evenodd"));
    document.define(shapeClip);

    SvgElement inside = svgGroup();
    inside.attr("clip-path", "url(#shape)");
    material.paintBody(inside, random, width, height);
    for (int row = 0; row < mask.rows(); ++row) {
        for (int column = 0; column < mask.columns(); ++column) {
            if (!mask.solid(column, row)) {
                continue;
            }
            if (!mask.solidOrJoined(column, row + 1)) {
                material.paintUnderside(inside, random, column * cellPixels, row * cellPixels);
            }
            if (!mask.solidOrJoined(column, row - 1)) {
                material.paintCap(inside, random, column * cellPixels, row * cellPixels);
            }
        }
    }
    SvgElement rim = svgPath(shape);
    rim.attr("fill", "none").stroke(palette::outline, 2.0 * outlineWidth);
    inside.child(rim);

    SvgElement framed = svgGroup();
    framed.attr("clip-path", "url(#box)").child(inside);
    document.add(framed);
}

void TerrainPainter::paintTile(SvgDocument& document, RandomStream& random, const TerrainMaterial& material,
                               bool capped)
{
    const double width = document.width();
    const double height = document.height();
    SvgElement art = svgGroup();
    material.paintBody(art, random, width, height);
    document.setWrap(true);
    document.add(art);
    if (!capped) {
        return;
    }
    // The surface goes on the top row only; its wrapped copies fall outside the picture.
    SvgElement surface = svgGroup();
    for (double x = 0; x < width; x += cellPixels) {
        material.paintCap(surface, random, x, 0);
    }
    surface.child(svgRect(0, 0, width, tileSurfaceLine).fill(palette::outline));
    document.add(surface);
}
