// Turns characters of one font file into coverage bitmaps that fit a fixed box, squeezing the ones that don't.
#pragma once

#include "coverage_bitmap.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <optional>
#include <string>

// The room a glyph's ink may take: a width, and a band above and below the baseline.
struct InkBox {
    int width;
    int ascent;
    int descent;
};

class GlyphRasterizer {
public:
    GlyphRasterizer() = default;
    GlyphRasterizer(const GlyphRasterizer&) = delete;
    GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;
    ~GlyphRasterizer();

    // Opens the font; the error text is left in lastError on failure.
    bool open(const std::string& fontPath);

    // Picks the largest em size up to maxEmPixels at which the font's letters fit the box unscaled.
    bool fitEm(const InkBox& box, int maxEmPixels);

    // Renders one character inside the box; nothing when the font has no such glyph.
    std::optional<CoverageBitmap> render(char32_t character, const InkBox& box);

    std::string lastError;

private:
    struct Extent {
        double width, above, below;
    };
    std::optional<Extent> measure(FT_UInt glyphIndex, double scaleX, double scaleY);
    void setScale(double scaleX, double scaleY);

    FT_Library library = nullptr;
    FT_Face face = nullptr;
};
