// The world pictures as the game loads them: sized as drawn, seamless, terrain solid or free by cell, scenery clear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "picture.hpp"
#include "graphics/tables.hpp"
#include "world/layer_geometry.hpp"

namespace {

using namespace content;

std::string nameOf(const char* prefix, int n)
{
    return std::string(prefix) + std::to_string(n) + ".png";
}

double colourDistance(const Rgba& a, const Rgba& b)
{
    return (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b)) / 3.0;
}

// How much the picture jumps across its wrap-around edge, against how much it changes between
// neighbouring columns (or rows) inside. A seamless tile's edge is like any other step.
void expectSeamless(const std::string& file, bool acrossColumns)
{
    const Picture picture = readPicture(file);
    const int along = acrossColumns ? picture.height : picture.width;
    const int across = acrossColumns ? picture.width : picture.height;
    auto pixel = [&](int a, int b) { return acrossColumns ? picture.at(b, a) : picture.at(a, b); };
    double edge = 0.0, inside = 0.0;
    for (int a = 0; a < along; ++a) {
        edge += colourDistance(pixel(a, across - 1), pixel(a, 0));
        for (int b = 0; b + 1 < across; ++b) inside += colourDistance(pixel(a, b), pixel(a, b + 1));
    }
    edge /= along;
    inside /= static_cast<double>(along) * (across - 1);
    // A shape cut at the edge makes the edge step several times the picture's usual step.
    EXPECT_LE(edge, 2.0 * inside + 3.0) << file << ": the " << (acrossColumns ? "left and right" : "top and bottom")
                                        << " edges do not meet (edge step " << edge << ", usual step " << inside << ")";
}

// Mean opacity (0 to 1) of the picture pixels whose centres fall in a rectangle of level pixels, with the
// picture drawn `drawn` large.
double coverage(const Picture& picture, const Rect& drawn, double x0, double y0, double x1, double y1)
{
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const double lx = (x + 0.5) * drawn.w / picture.width, ly = (y + 0.5) * drawn.h / picture.height;
            if (lx >= x0 && lx < x1 && ly >= y0 && ly < y1) sum += picture.at(x, y).a / 255.0, ++count;
        }
    return count == 0 ? 0.0 : sum / count;
}

// The smallest power of two that holds a drawn size: nothing smaller shows it sharp, anything larger wastes memory.
int pictureSide(int drawn)
{
    return drawn <= 1 ? 1 : 2 * pictureSide((drawn + 1) / 2);
}

constexpr int cellPixels = 32;
constexpr double solidCell = 0.9;
constexpr double freeCell = 0.1;

}  // namespace

TEST(WorldArt, EveryPictureLoadsAsTrueColourAtItsPowerOfTwoSize)
{
    auto check = [](const std::string& file, const Rect& drawn) {
        const Picture p = readPicture(file);
        EXPECT_TRUE(p.width == pictureSide(drawn.w) && p.height == pictureSide(drawn.h))
            << file << " is " << p.width << "x" << p.height << ", drawn " << drawn.w << "x" << drawn.h;
    };
    // Backgrounds are drawn at 512; the rest at the sizes of the game's own piece tables.
    for (int n = 1; n <= 5; ++n) check(nameOf("jee", n), {0, 0, 512, 512});
    auto family = [&](const char* name, const auto& rects) {
        for (std::size_t i = 0; i < rects.size(); ++i) check(nameOf(name, static_cast<int>(i) + 1), rects[i]);
    };
    family("foreground", foregroundRects);
    family("parallax", parallaxRects);
    family("collision", collisionRects);
}

TEST(WorldArt, BackgroundsRepeatWithoutSeamsAndKeepContrastUnderTheirTintAndFillTilesRepeat)
{
    for (int n = 1; n <= 5; ++n) {
        expectSeamless(nameOf("jee", n), true);
        expectSeamless(nameOf("jee", n), false);
        const Tint tint = backgroundLook(n - 1).tint;  // as the level draws style n - 1
        double sum = 0.0, squares = 0.0;
        const std::vector<Rgba> pixels = readPicture(nameOf("jee", n)).pixels;
        for (const Rgba& p : pixels) {
            const double shown = p.r * tint.r + p.g * tint.g + p.b * tint.b;
            sum += shown, squares += shown * shown;
        }
        const double mean = sum / static_cast<double>(pixels.size());
        EXPECT_GE(mean, 12.0) << "jee" << n << " all but vanishes under its tint";
        EXPECT_GE(std::sqrt(std::max(0.0, squares / pixels.size() - mean * mean)), 5.0) << "jee" << n << " is flat";
    }
    // Odd numbers are the insides, seamless both ways; even ones carry a surface on top, so they
    // only need to continue sideways.
    for (int n = 31; n <= 50; ++n) {
        expectSeamless(nameOf("collision", n), true);
        if (n % 2 == 1) expectSeamless(nameOf("collision", n), false);
    }
}

TEST(WorldArt, TerrainCellsAreClearlySolidOrClearlyFree)
{
    // Terrain shapes 1 to 30; the square tiles past them are checked as wholly opaque.
    for (int n = 1; n <= 30; ++n) {
        const std::string file = nameOf("collision", n);
        const Picture picture = readPicture(file);
        const Rect drawn = collisionRects[static_cast<std::size_t>(n - 1)];
        const int columns = drawn.w / cellPixels, rows = drawn.h / cellPixels;
        int solidCells = 0;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const double x = column * cellPixels, y = row * cellPixels;
                const double c = coverage(picture, drawn, x, y, x + cellPixels, y + cellPixels);
                EXPECT_TRUE(c >= solidCell || c <= freeCell)
                    << file << " cell (" << column << ", " << row << ") is " << c * 100 << "% opaque";
                solidCells += c >= solidCell ? 1 : 0;
            }
        EXPECT_GT(solidCells, 0) << file << " has no solid cell";
        // Sizes that are no multiple of 32 end in a part cell, which must stay clear.
        EXPECT_LE(std::max(coverage(picture, drawn, columns * cellPixels, 0, drawn.w, drawn.h),
                           coverage(picture, drawn, 0, rows * cellPixels, drawn.w, drawn.h)),
                  0.02)
            << file;
    }
}

TEST(WorldArt, TilesAreOpaqueSceneryMostlyClearAndHalfClearPixelsKeepTheirColour)
{
    auto alphaAll = [](const std::string& file, auto rule) {
        const std::vector<Rgba> pixels = readPicture(file).pixels;
        return std::all_of(pixels.begin(), pixels.end(), [&](const Rgba& p) { return rule(p.a); });
    };
    // Square tiles and beams: no see-through pixel.
    for (int n : {2, 3, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50})
        EXPECT_TRUE(alphaAll(nameOf("collision", n), [](int a) { return a == 255; })) << "collision" << n;
    // Far scenery is never fully opaque, so it cannot pass for terrain.
    for (int n = 1; n <= 5; ++n)
        EXPECT_TRUE(alphaAll(nameOf("parallax", n), [](int a) { return a <= 200; })) << "parallax" << n;
    // Drawn over the hat: it may never hide a route.
    for (int n = 1; n <= 12; ++n)
        EXPECT_LE(coverage(readPicture(nameOf("foreground", n)), {0, 0, 1, 1}, 0, 0, 1, 1), 0.25) << "foreground" << n;
    // A pale cloud at half opacity: with straight alpha its colour stays pale; a picture saved with
    // premultiplied colour would turn grey and draw as a dark smudge.
    double brightness = 0.0, count = 0.0;
    for (const Rgba& p : readPicture("parallax1.png").pixels)
        if (p.a >= 96 && p.a <= 160) brightness += (p.r + p.g + p.b) / 3.0, ++count;
    ASSERT_GT(count, 100) << "parallax1 has no half-clear cloud to look at";
    EXPECT_GE(brightness / count, 200.0);
}
