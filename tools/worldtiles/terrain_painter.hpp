// Draws terrain pictures: cell-true formations with an inner outline, and seamless square tiles.
#pragma once

#include "cell_mask.hpp"
#include "random_stream.hpp"
#include "svg_document.hpp"
#include "terrain_material.hpp"

class TerrainPainter {
public:
    // The opaque shape is exactly the solid cells of the mask (corners slightly rounded); the
    // outline lies inside it, so free cells stay clear.
    static void paintFormation(SvgDocument& document, RandomStream& random, const CellMask& mask,
                               const TerrainMaterial& material);
    // Opaque edge to edge; the pattern wraps so equal tiles side by side show no seam.
    static void paintTile(SvgDocument& document, RandomStream& random, const TerrainMaterial& material, bool capped);
};
