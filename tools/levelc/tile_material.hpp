// The square terrain tiles of each material, which the tiling rule lays over solid terrain.
#pragma once

#include <array>
#include <string>

struct TileMaterial {
    const char* name;
    // Collision picture numbers; 0 where the material has no such tile.
    int small;     // 64x64, the inside
    int smallCap;  // 64x64 with the material's top surface
    int large;     // 128x128, the inside
    int largeCap;  // 128x128 with the top surface
};

// clang-format off
constexpr std::array<TileMaterial, 6> tileMaterials = {{
    //  name       small  cap  large  cap
    {"grass",      31,    32,  41,    42},
    {"tiles",      33,    34,  43,    44},
    {"crystal",    35,    36,  45,    46},
    {"brick",      37,    38,  47,    48},
    {"roof",       39,    40,  49,    50},
    {"stone",       3,     3,   0,     0},
}};
// clang-format on

// Null when no material has that name.
const TileMaterial* findTileMaterial(const std::string& name);
