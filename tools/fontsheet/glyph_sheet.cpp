// Glyph compositing (white ink over a dilated dark edge) and PNG output.
#include "glyph_sheet.hpp"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// Deep aubergine, the outline colour of all the game's art.
constexpr std::array<double, 3> edgeColour = {0x2b / 255.0, 0x1d / 255.0, 0x2e / 255.0};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

double dilatedCoverage(const CoverageBitmap& bitmap, int x, int y)
{
    int best = 0;
    for (int dy = -GlyphSheet::edgePixels; dy <= GlyphSheet::edgePixels; ++dy)
        for (int dx = -GlyphSheet::edgePixels; dx <= GlyphSheet::edgePixels; ++dx)
            best = std::max<int>(best, bitmap.at(x + dx, y + dy));
    return best / 255.0;
}

std::uint8_t toByte(double v)
{
    return static_cast<std::uint8_t>(std::clamp(v * 255.0 + 0.5, 0.0, 255.0));
}

}  // namespace

GlyphSheet::GlyphSheet() : pixels(static_cast<std::size_t>(sheetPixels) * sheetPixels, Pixel{0, 0, 0, 0}) {}

GlyphSheet::Pixel& GlyphSheet::pixel(int x, int y)
{
    return pixels[static_cast<std::size_t>(y) * sheetPixels + static_cast<std::size_t>(x)];
}

void GlyphSheet::place(int glyph, const CoverageBitmap& bitmap)
{
    const int cellX = (glyph % columns) * cellPixels;
    const int cellY = (glyph / columns) * cellPixels;
    const int originX = cellX + (advancePixels - bitmap.width) / 2;
    const int originY = cellY + baselineFromTop - bitmap.top;
    // The edge reaches one pixel beyond the ink on every side.
    for (int by = -edgePixels; by < bitmap.height + edgePixels; ++by) {
        for (int bx = -edgePixels; bx < bitmap.width + edgePixels; ++bx) {
            const int x = originX + bx;
            const int y = originY + by;
            if (x < cellX || y < cellY || x >= cellX + cellPixels || y >= cellY + cellPixels) continue;
            const double ink = bitmap.at(bx, by) / 255.0;
            const double edge = dilatedCoverage(bitmap, bx, by);
            const double alpha = ink + edge * (1.0 - ink);
            if (alpha <= 0.0) continue;
            Pixel& out = pixel(x, y);
            for (std::size_t c = 0; c < 3; ++c) out[c] = toByte((ink + edgeColour[c] * edge * (1.0 - ink)) / alpha);
            out[3] = toByte(alpha);
        }
    }
}

void GlyphSheet::flipVertically()
{
    for (int y = 0; y < sheetPixels / 2; ++y)
        for (int x = 0; x < sheetPixels; ++x) std::swap(pixel(x, y), pixel(x, sheetPixels - 1 - y));
}

bool GlyphSheet::writePng(const std::string& path, std::string& error) const
{
    // Written beside the target and renamed over it, so a failed run never leaves half a sheet.
    const std::string partPath = path + ".part";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(partPath.c_str(), "wb"));
    if (!file) {
        error = "cannot write " + partPath;
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        error = "libpng did not start";
        return false;
    }
    std::vector<png_bytep> rowPointers(sheetPixels);
    for (int y = 0; y < sheetPixels; ++y)
        rowPointers[static_cast<std::size_t>(y)] =
            const_cast<png_bytep>(pixels[static_cast<std::size_t>(y) * sheetPixels].data());
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "libpng failed writing " + partPath;
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, sheetPixels, sheetPixels, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) {
        error = "cannot flush " + partPath;
        return false;
    }
    file.reset();
    if (std::rename(partPath.c_str(), path.c_str()) != 0) {
        error = "cannot rename " + partPath + " to " + path;
        return false;
    }
    return true;
}
