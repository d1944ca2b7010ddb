// An integer rectangle: a destination in screen units, a cell of a sheet, or an area of the level.
#pragma once

#include <cstdint>

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
};
