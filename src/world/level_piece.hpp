// One picture that a cell of a picture layer places: where it lies and which image of its family.
#pragma once

#include <cstdint>

#include "graphics/rect.hpp"

struct LevelPiece {
    // Level pixels; a mirrored piece keeps its cell's x and has a negative width.
    Rect area;
    std::int32_t image = 0;
};
