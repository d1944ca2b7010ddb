// fontsheet OUTPUT.png SET0_FONT SET1_FONT: renders printable ASCII twice into the game's glyph sheet.
#include "glyph_rasterizer.hpp"
#include "glyph_sheet.hpp"

#include <cstdio>

namespace {

constexpr char32_t firstPrintable = 32;
constexpr char32_t lastPrintable = 126;
constexpr int glyphsPerSet = 128;
// Display sizes are capped so that a line of set 0 and set 1 look about as tall.
constexpr int maxEmPixels = 26;

bool renderSet(GlyphSheet& sheet, const char* fontPath, int set)
{
    GlyphRasterizer rasterizer;
    const InkBox box{GlyphSheet::inkWidth(), GlyphSheet::inkAscent(), GlyphSheet::inkDescent()};
    if (!rasterizer.open(fontPath) || !rasterizer.fitEm(box, maxEmPixels)) {
        std::fprintf(stderr, "fontsheet: %s\n", rasterizer.lastError.c_str());
        return false;
    }
    for (char32_t c = firstPrintable; c <= lastPrintable; ++c) {
        const auto bitmap = rasterizer.render(c, box);
        if (!bitmap) {
            std::fprintf(stderr, "fontsheet: %s has no glyph for character %u\n", fontPath, static_cast<unsigned>(c));
            return false;
        }
        sheet.place(set * glyphsPerSet + static_cast<int>(c - firstPrintable), *bitmap);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: fontsheet OUTPUT.png SET0_FONT SET1_FONT\n");
        return 2;
    }
    GlyphSheet sheet;
    if (!renderSet(sheet, argv[2], 0) || !renderSet(sheet, argv[3], 1)) return 1;
    sheet.flipVertically();
    std::string error;
    if (!sheet.writePng(argv[1], error)) {
        std::fprintf(stderr, "fontsheet: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
