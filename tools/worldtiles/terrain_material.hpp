// What a kind of terrain looks like inside, on a top surface and on an underside.
#pragma once

#include "random_stream.hpp"
#include "svg_element.hpp"

#include <string>

// Level pixels of one terrain cell; every material pattern repeats on this grid.
constexpr double cellPixels = 32.0;

enum class TerrainKind { Grass, Tiles, Crystal, Brick, Roof, Stone, Chimney, Pipe, Count };

class TerrainMaterial {
public:
    // Names as the piece catalogue writes them: grass, tiles, crystal, brick, roof, stone, chimney, pipe.
    static TerrainMaterial fromName(const std::string& name);

    // The inside, over (0, 0, width, height) in level pixels, laid on the level's cell grid.
    void paintBody(SvgElement& group, RandomStream& random, double width, double height) const;
    // The surface of a solid cell whose upper neighbour is free (cell top-left corner given).
    void paintCap(SvgElement& group, RandomStream& random, double x, double y) const;
    // The underside of a solid cell whose lower neighbour is free.
    void paintUnderside(SvgElement& group, RandomStream& random, double x, double y) const;

private:
    explicit TerrainMaterial(TerrainKind materialKind) : kind(materialKind) {}

    void paintEarth(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintPorcelain(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintCrystalRock(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintBricks(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintRoofTiles(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintMasonry(SvgElement& group, RandomStream& random, double width, double height) const;
    void paintPipeBands(SvgElement& group, double width, double height) const;

    TerrainKind kind;
};
