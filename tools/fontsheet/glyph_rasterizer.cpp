// FreeType glyph rendering with fit-to-box scaling.
#include "glyph_rasterizer.hpp"

#include FT_OUTLINE_H
#include <algorithm>
#include <string_view>

namespace {

constexpr double fixed26Dot6 = 64.0;
constexpr double fixed16Dot16 = 65536.0;

}  // namespace

GlyphRasterizer::~GlyphRasterizer()
{
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
}

bool GlyphRasterizer::open(const std::string& fontPath)
{
    if (!library && FT_Init_FreeType(&library) != 0) {
        lastError = "FreeType did not start";
        return false;
    }
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        lastError = "cannot open font " + fontPath;
        return false;
    }
    if (!FT_IS_SCALABLE(face)) {
        lastError = "font " + fontPath + " has no outlines";
        return false;
    }
    return true;
}

bool GlyphRasterizer::fitEm(const InkBox& box, int maxEmPixels)
{
    // Ascenders and descenders set the size; rarer tall signs are shrunk one by one in render.
    static constexpr char32_t reference[] = U"Hbdfhklgjpqy";
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(maxEmPixels)) != 0) return false;
    double fit = 1.0;
    for (char32_t c : std::u32string_view(reference)) {
        const FT_UInt glyphIndex = FT_Get_Char_Index(face, c);
        const auto extent = glyphIndex ? measure(glyphIndex, 1.0, 1.0) : std::nullopt;
        if (!extent) continue;
        if (extent->above > box.ascent) fit = std::min(fit, box.ascent / extent->above);
        if (extent->below > box.descent) fit = std::min(fit, box.descent / extent->below);
    }
    const auto em = static_cast<FT_UInt>(maxEmPixels * fit);
    return FT_Set_Pixel_Sizes(face, 0, em) == 0;
}

void GlyphRasterizer::setScale(double scaleX, double scaleY)
{
    FT_Matrix matrix;
    matrix.xx = static_cast<FT_Fixed>(scaleX * fixed16Dot16);
    matrix.xy = 0;
    matrix.yx = 0;
    matrix.yy = static_cast<FT_Fixed>(scaleY * fixed16Dot16);
    FT_Set_Transform(face, &matrix, nullptr);
}

std::optional<GlyphRasterizer::Extent> GlyphRasterizer::measure(FT_UInt glyphIndex, double scaleX, double scaleY)
{
    setScale(scaleX, scaleY);
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return std::nullopt;
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    return Extent{(box.xMax - box.xMin) / fixed26Dot6, box.yMax / fixed26Dot6, -box.yMin / fixed26Dot6};
}

std::optional<CoverageBitmap> GlyphRasterizer::render(char32_t character, const InkBox& box)
{
    const FT_UInt glyphIndex = FT_Get_Char_Index(face, character);
    if (glyphIndex == 0) return std::nullopt;
    const auto natural = measure(glyphIndex, 1.0, 1.0);
    if (!natural) return std::nullopt;

    // Tall glyphs shrink evenly; wide ones are only condensed, so every letter keeps the line's height.
    double uniform = 1.0;
    if (natural->above > box.ascent) uniform = std::min(uniform, box.ascent / natural->above);
    if (natural->below > box.descent) uniform = std::min(uniform, box.descent / natural->below);
    double scaleX = uniform;
    if (natural->width * uniform > box.width) scaleX = box.width / natural->width;

    setScale(scaleX, uniform);
    if (FT_Load_Glyph(face, glyphIndex, FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) != 0) return std::nullopt;
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return std::nullopt;

    const FT_Bitmap& bitmap = face->glyph->bitmap;
    CoverageBitmap out;
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.left = face->glyph->bitmap_left;
    out.top = face->glyph->bitmap_top;
    out.coverage.resize(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        std::copy(row, row + out.width, out.coverage.begin() + static_cast<std::ptrdiff_t>(y) * out.width);
    }
    return out;
}
