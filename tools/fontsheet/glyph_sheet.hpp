// The 16x16 glyph grid of font.png: white glyphs with a thin dark edge, written as an RGBA PNG.
#pragma once

#include "coverage_bitmap.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class GlyphSheet {
public:
    static constexpr int columns = 16;
    static constexpr int rows = 16;
    static constexpr int cellPixels = 32;
    static constexpr int sheetPixels = columns * cellPixels;
    // The pen advances 10 of a cell's 16 units; glyphs stay inside that part of the cell.
    static constexpr int advancePixels = cellPixels * 10 / 16;
    static constexpr int edgePixels = 1;
    static constexpr int baselineFromTop = 23;
    static constexpr int gutterPixels = 1;  // empty border inside every cell against filtering bleed

    GlyphSheet();

    // Puts the glyph into cell `glyph` (0..255) in reading order, centred on the advance.
    void place(int glyph, const CoverageBitmap& bitmap);

    // Rows are counted from the last stored row, so the finished sheet is stored upside down.
    void flipVertically();

    bool writePng(const std::string& path, std::string& error) const;

    static constexpr int inkWidth() { return advancePixels - 2 * (edgePixels + gutterPixels); }
    static constexpr int inkAscent() { return baselineFromTop - 2 * edgePixels - gutterPixels; }
    static constexpr int inkDescent() { return cellPixels - baselineFromTop - edgePixels - gutterPixels; }

private:
    using Pixel = std::array<std::uint8_t, 4>;
    Pixel& pixel(int x, int y);

    std::vector<Pixel> pixels;
};
