#include "tile_material.hpp"

const TileMaterial* findTileMaterial(const std::string& name)
{
    for (const TileMaterial& material : tileMaterials) {
        if (name == material.name) {
            return &material;
        }
    }
    return nullptr;
}
