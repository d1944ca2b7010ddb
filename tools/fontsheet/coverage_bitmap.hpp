// A rendered glyph: 8-bit ink coverage and where its top-left pixel sits relative to the pen on the baseline.
#pragma once

#include <cstdint>
#include <vector>

struct CoverageBitmap {
    int width = 0;
    int height = 0;
    int left = 0;                        // pixels right of the pen position
    int top = 0;                         // pixels above the baseline
    std::vector<std::uint8_t> coverage;  // row-major, top row first

    std::uint8_t at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};
