// The built sprites, menu pictures, effects, glyphs and icon: loaded as the game loads them, laid out as it draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "picture.hpp"

namespace {

using namespace content;

// Antialiased edges leave faint alpha far out; below this a pixel counts as empty.
constexpr Uint8 inkAlpha = 8;

// Bounding box of the ink inside a region; w = 0 when the region is empty.
Box inkBounds(const Picture& p, const Box& region)
{
    int left = region.right(), top = region.bottom(), right = region.x, bottom = region.y;
    for (int y = region.y; y < region.bottom(); ++y)
        for (int x = region.x; x < region.right(); ++x)
            if (p.at(x, y).a >= inkAlpha)
                left = std::min(left, x), right = std::max(right, x + 1), top = std::min(top, y), bottom = y + 1;
    if (right <= left) return {region.x, region.y, 0, 0};
    return {left, top, right - left, bottom - top};
}

// Ink that comes within `margin` pixels of the region's border, which linear filtering would smear into
// whatever lies beyond it.
::testing::AssertionResult keepsClearOf(const Picture& p, const Box& region, int margin)
{
    const Box ink = inkBounds(p, region);
    return ::testing::AssertionResult(ink.w == 0 || (ink.x >= region.x + margin && ink.y >= region.y + margin &&
                                                     ink.right() <= region.right() - margin &&
                                                     ink.bottom() <= region.bottom() - margin))
           << "ink spans x " << ink.x << ".." << ink.right() << ", y " << ink.y << ".." << ink.bottom();
}

std::vector<Rgba> pixelsOf(const Picture& p, const Box& region)
{
    std::vector<Rgba> pixels;
    for (int y = region.y; y < region.bottom(); ++y)
        pixels.insert(pixels.end(), &p.at(region.x, y), &p.at(region.x, y) + region.w);
    return pixels;
}

// Share of the solid ink that is light: a tint multiplies the colours, so it only shows on light ink. Outlines
// are dark on purpose, which is why this is a share and not an average.
double lightInkShare(const Picture& p, const Box& region)
{
    const std::vector<Rgba> pixels = pixelsOf(p, region);
    const auto solid = std::count_if(pixels.begin(), pixels.end(), [](Rgba c) { return c.a >= 128; });
    const auto light =
        std::count_if(pixels.begin(), pixels.end(), [](Rgba c) { return c.a >= 128 && c.luminance() >= 0.7; });
    return solid > 0 ? static_cast<double>(light) / static_cast<double>(solid) : 0.0;
}

std::string kuva(int n)
{
    return "kuva" + std::to_string(n) + ".png";
}

// Menu captions, all left-aligned in their box.
const std::vector<int> captionNumbers = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33, 37};
// Half of the 8 px gutter between neighbouring cells of a sheet.
constexpr int cellMargin = 4;
constexpr double lightInk = 0.35;

TEST(SpriteArt, EveryPictureLoadsAsTheGameLoadsIt)
{
    // Drawn in a box `widthPerHeight` times as wide as high; sheets cut in pixels are exactly `sheetSize` square.
    auto check = [](const std::string& file, int widthPerHeight, int sheetSize = 0) {
        SCOPED_TRACE(file);
        const Picture p = readPicture(file);
        EXPECT_EQ(p.width, p.height * widthPerHeight) << "drawn in a box of " << widthPerHeight << ":1";
        EXPECT_TRUE(sheetSize == 0 || p.width == sheetSize) << p.width << " wide";
        if (sheetSize != 0) return;  // cell sheets are checked cell by cell
        // Whole-sheet pictures wrap with GL_REPEAT and linear filtering blends the texel beyond the edge in,
        // so their outermost pixels must stay clear.
        EXPECT_TRUE(keepsClearOf(p, p.whole(), 1));
        EXPECT_GT(inkBounds(p, p.whole()).w, 0) << "nothing drawn";
    };
    for (const auto& [file, widthPerHeight, sheetSize] : {std::tuple<const char*, int, int>{"icon.png", 1, 0},
                                                          {"load.png", 4, 0},
                                                          {"flare_white.png", 1, 0},
                                                          {"font.png", 1, 512},
                                                          {"effect1.png", 1, 512}})
        check(file, widthPerHeight, sheetSize);
    // Captions and the pause sign (14) are drawn 8:1, the turn bar (13) and the title (38) 4:1; the thrower (11)
    // and blower (12) sheets are cut in pixels.
    for (int n = 1; n <= 40; ++n) {
        const bool wide = n == 14 || std::count(captionNumbers.begin(), captionNumbers.end(), n) > 0;
        check(kuva(n), wide ? 8 : n == 13 || n == 38 ? 4 : 1, n == 11 || n == 12 ? 512 : 0);
    }
}

TEST(SpriteArt, SheetCellsHoldTheirDrawingWhereTheGameCutsThem)
{
    // Cells of w x h in a grid from (x, y), `columns` across and `rows` down.
    const auto grid = [](int x, int y, int w, int h, int columns, int rows) {
        std::vector<Box> cells;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) cells.push_back({x + column * w, y + row * h, w, h});
        return cells;
    };
    std::vector<Box> thrower = grid(0, 0, 256, 170, 1, 3), items = grid(340, 0, 170, 170, 1, 3);
    thrower.insert(thrower.end(), items.begin(), items.end());
    std::vector<Box> effects = grid(0, 0, 128, 128, 4, 1);  // the puff, then the ember and the bubble
    effects.insert(effects.end(), {{0, 128, 128, 128}, {256, 128, 128, 128}});
    const std::pair<std::string, std::vector<Box>> sheets[] = {
        {kuva(11), thrower}, {kuva(12), grid(0, 0, 128, 256, 4, 2)}, {"effect1.png", effects}};
    constexpr int feetBand = 16;  // squashed to 182 high, the blower's feet must still touch the box bottom
    std::vector<int> puffWidths;
    for (const auto& [file, cells] : sheets) {
        const Picture p = readPicture(file);
        ASSERT_FALSE(p.pixels.empty()) << file;
        for (const Box& cell : cells) {
            SCOPED_TRACE(file + " cell at " + std::to_string(cell.x) + "," + std::to_string(cell.y));
            const Box ink = inkBounds(p, cell);
            EXPECT_GT(ink.w, 0) << "empty cell";
            EXPECT_TRUE(keepsClearOf(p, cell, cellMargin)) << "drawing reaches the neighbouring cell";
            EXPECT_TRUE(file != kuva(12) || ink.bottom() >= cell.bottom() - feetBand) << "feet float";
            if (file == "effect1.png" && cell.y == 0) puffWidths.insert(puffWidths.begin(), ink.w);
        }
    }
    // The game plays the puff from x 384 to x 0: each frame at least as wide as the one before.
    EXPECT_TRUE(std::is_sorted(puffWidths.begin(), puffWidths.end())) << testing::PrintToString(puffWidths);
}

// The column (or row) through the picture that crosses the widest run of ink.
int lineOfWidestSpan(const Picture& p, bool column)
{
    std::vector<int> spans;
    for (int line = 0; line < (column ? p.width : p.height); ++line) {
        const Box ink = inkBounds(p, column ? Box{line, 0, 1, p.height} : Box{0, line, p.width, 1});
        spans.push_back(column ? ink.h : ink.w);
    }
    return static_cast<int>(std::max_element(spans.begin(), spans.end()) - spans.begin());
}

TEST(SpriteArt, HatFacesItsTailAndTheIconStandsUpright)
{
    // At angle 0 the gas leaves towards +x: the broad open brim is on the right, the crown on the left.
    const Picture hat = readPicture(kuva(1));
    EXPECT_GT(lineOfWidestSpan(hat, true), hat.width / 2) << "brim not on the right";
    // The icon is the hat standing up: brim at the bottom.
    const Picture icon = readPicture("icon.png");
    EXPECT_GT(lineOfWidestSpan(icon, false), icon.height / 2) << "icon brim not at the bottom";
}

TEST(SpriteArt, TintedPicturesAreDrawnLightAndCaptionsFitWhereTheMenuPutsThem)
{
    for (const std::string& file : {kuva(1), kuva(14), kuva(4), std::string("font.png")}) {
        const Picture p = readPicture(file);
        EXPECT_GE(lightInkShare(p, p.whole()), lightInk) << file;
    }
    const Picture effects = readPicture("effect1.png");
    for (int x : {0, 256}) EXPECT_GE(lightInkShare(effects, {x, 128, 128, 128}), lightInk) << "effect at x " << x;
    // On the settings page the on/off mark (29, 30) sits 340 units right of its caption (24, 25, 26, 31).
    constexpr int settingsCaptionWidth = 330, onOffMarkWidth = 170;
    for (int n : captionNumbers) {
        SCOPED_TRACE(kuva(n));
        const Picture p = readPicture(kuva(n));
        const Box ink = inkBounds(p, p.whole());
        EXPECT_GE(lightInkShare(p, p.whole()), lightInk);
        EXPECT_LT(ink.x, p.width / 16) << "not left-aligned";
        const bool marked = n == 24 || n == 25 || n == 26 || n == 31, mark = n == 29 || n == 30;
        EXPECT_LE(ink.right(), marked ? settingsCaptionWidth : mark ? onOffMarkWidth : p.width);
    }
}

// Glyph sheet: 16x16 cells, glyph g in column g % 16 and row g / 16 counted from the last stored row.
constexpr int glyphCell = 32;
constexpr int glyphAdvance = glyphCell * 10 / 16;
constexpr int firstSet1Glyph = 128;

Box glyphCellBox(int g)
{
    return {(g % 16) * glyphCell, 512 - (g / 16 + 1) * glyphCell, glyphCell, glyphCell};
}

TEST(SpriteArt, GlyphSheetHasTwoDifferentSetsStoredUpsideDownInsideTheirAdvance)
{
    const Picture font = readPicture("font.png");
    ASSERT_EQ(font.width, 512);
    for (int set : {0, 1}) {
        const int base = set * firstSet1Glyph;
        EXPECT_EQ(inkBounds(font, glyphCellBox(base)).w, 0) << "space is not blank in set " << set;
        for (int c = '!'; c <= '~'; ++c) {
            const Box cell = glyphCellBox(base + c - ' '), ink = inkBounds(font, cell);
            EXPECT_TRUE(ink.w > 0 && ink.right() <= cell.x + glyphAdvance)
                << "'" << char(c) << "' in set " << set << " is missing or overlaps the next letter";
        }
        // Stored flipped, an underscore sits in the top half of its stored cell and a caret in the bottom half.
        const Box under = glyphCellBox(base + '_' - ' '), caret = glyphCellBox(base + '^' - ' ');
        EXPECT_LT(inkBounds(font, under).bottom(), under.y + glyphCell / 2) << "set " << set;
        EXPECT_GE(inkBounds(font, caret).y, caret.y + glyphCell / 2) << "set " << set;
    }
    // Set 1 must be a different face.
    int differing = 0;
    for (int g = 1; g < 95; ++g)
        differing += pixelsOf(font, glyphCellBox(g)) != pixelsOf(font, glyphCellBox(g + firstSet1Glyph));
    EXPECT_GT(differing, 90);
}

}  // namespace
