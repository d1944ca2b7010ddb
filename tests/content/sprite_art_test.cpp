// Checks the built sprites, menu pictures, effects, glyph sheet and icon: each loads the way the game loads
// images, and is laid out the way the game draws it (cells where they are addressed, art where it is shown).
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct Box {
    int x, y, w, h;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
};

struct Rgba {
    Uint8 r, g, b, a;
    double luminance() const { return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0; }
};

// Antialiased edges leave faint alpha far out; below this a pixel counts as empty.
constexpr Uint8 inkAlpha = 8;

Surface load(const std::string& name) {
    return Surface(IMG_Load((std::string(FEZZLE_DATA_DIR) + "/" + name).c_str()));
}

Rgba pixelAt(const SDL_Surface* surface, int x, int y) {
    const int bytes = surface->format->BytesPerPixel;
    const auto* at = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytes;
    Uint32 value = 0;
    std::memcpy(&value, at, static_cast<std::size_t>(bytes));
    Rgba p{};
    SDL_GetRGBA(value, surface->format, &p.r, &p.g, &p.b, &p.a);
    return p;
}

// Bounding box of the ink inside a region; w = 0 when the region is empty.
Box inkBounds(const SDL_Surface* surface, const Box& region) {
    int left = region.right(), top = region.bottom(), right = region.x, bottom = region.y;
    for (int y = region.y; y < region.bottom(); ++y)
        for (int x = region.x; x < region.right(); ++x)
            if (pixelAt(surface, x, y).a >= inkAlpha) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
    if (right <= left) return {region.x, region.y, 0, 0};
    return {left, top, right - left, bottom - top};
}

Box wholeImage(const SDL_Surface* surface) { return {0, 0, surface->w, surface->h}; }

// Ink that comes within `margin` pixels of the region's border, which linear filtering would smear into
// whatever lies beyond it.
::testing::AssertionResult keepsClearOf(const SDL_Surface* surface, const Box& region, int margin) {
    const Box ink = inkBounds(surface, region);
    if (ink.w == 0 || (ink.x >= region.x + margin && ink.y >= region.y + margin &&
                       ink.right() <= region.right() - margin && ink.bottom() <= region.bottom() - margin))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "ink spans x " << ink.x << ".." << ink.right() << ", y " << ink.y << ".."
                                         << ink.bottom() << " in a region from " << region.x << "," << region.y
                                         << " to " << region.right() << "," << region.bottom();
}

// Share of the solid ink that is light: a tint multiplies the colours, so it only shows on light ink. Outlines
// are dark on purpose, which is why this is a share and not an average.
double lightInkShare(const SDL_Surface* surface, const Box& region) {
    constexpr Uint8 solidAlpha = 128;
    constexpr double lightLuminance = 0.7;
    int solid = 0, light = 0;
    for (int y = region.y; y < region.bottom(); ++y)
        for (int x = region.x; x < region.right(); ++x) {
            const Rgba p = pixelAt(surface, x, y);
            if (p.a < solidAlpha) continue;
            ++solid;
            if (p.luminance() >= lightLuminance) ++light;
        }
    return solid > 0 ? static_cast<double>(light) / solid : 0.0;
}

bool isPowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

std::string kuva(int n) { return "kuva" + std::to_string(n) + ".png"; }

struct Expected {
    std::string file;
    int widthPerHeight;  // aspect the picture is drawn at: 1 square, 4 or 8 wide boxes
    int exactSize;       // sheets addressed in pixels must be exactly this square size; 0 when free
};

std::vector<Expected> everyPicture() {
    std::vector<Expected> all = {
        {"icon.png", 1, 0},     {"load.png", 4, 0},     {"flare_white.png", 1, 0},
        {"font.png", 1, 512},   {"effect1.png", 1, 512}, {kuva(11), 1, 512},
        {kuva(12), 1, 512},     {kuva(13), 4, 0},       {kuva(14), 8, 0},
        {kuva(38), 4, 0},
    };
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 32, 34, 35, 36, 39, 40}) all.push_back({kuva(n), 1, 0});
    for (int n = 15; n <= 37; ++n)
        if (n != 32 && (n < 34 || n > 36)) all.push_back({kuva(n), 8, 0});
    return all;
}

// Menu captions: all of them, and those on the settings page with an on/off mark beside them.
const std::vector<int> captionNumbers = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25,
                                         26, 27, 28, 29, 30, 31, 33, 37};
const std::vector<int> markedSettingsCaptions = {24, 25, 26, 31};
const std::vector<int> onOffMarks = {29, 30};
constexpr int settingsCaptionWidth = 330;
constexpr int onOffMarkWidth = 170;

// Whole-sheet pictures wrap with GL_REPEAT and linear filtering blends the texel beyond the edge in, so their
// outermost pixels must stay clear.
constexpr int rimPixels = 1;
// Half of the 8 px gutter between neighbouring cells of a sheet.
constexpr int cellMargin = 4;
constexpr double lightInk = 0.35;

TEST(SpriteArt, EveryPictureLoadsAsTheGameLoadsIt) {
    for (const Expected& e : everyPicture()) {
        SCOPED_TRACE(e.file);
        const Surface s = load(e.file);
        ASSERT_TRUE(s) << IMG_GetError();
        const int bytes = s->format->BytesPerPixel;
        EXPECT_TRUE(bytes == 3 || bytes == 4) << "the game drops images of " << bytes << " bytes per pixel";
        EXPECT_TRUE(isPowerOfTwo(s->w) && isPowerOfTwo(s->h)) << s->w << "x" << s->h;
        EXPECT_EQ(s->w, s->h * e.widthPerHeight) << "drawn in a box of " << e.widthPerHeight << ":1";
        if (e.exactSize) {
            EXPECT_EQ(s->w, e.exactSize);
        }
    }
}

TEST(SpriteArt, WholeSheetPicturesKeepTheirRimClear) {
    for (const Expected& e : everyPicture()) {
        if (e.exactSize) continue;  // cell sheets are checked cell by cell
        SCOPED_TRACE(e.file);
        const Surface s = load(e.file);
        ASSERT_TRUE(s);
        EXPECT_TRUE(keepsClearOf(s.get(), wholeImage(s.get()), rimPixels));
        EXPECT_GT(inkBounds(s.get(), wholeImage(s.get())).w, 0) << "nothing drawn";
    }
}

void expectCellsDrawnInside(const std::string& file, const std::vector<Box>& cells) {
    SCOPED_TRACE(file);
    const Surface s = load(file);
    ASSERT_TRUE(s);
    for (const Box& cell : cells) {
        SCOPED_TRACE("cell at " + std::to_string(cell.x) + "," + std::to_string(cell.y));
        EXPECT_GT(inkBounds(s.get(), cell).w, 0) << "empty cell";
        EXPECT_TRUE(keepsClearOf(s.get(), cell, cellMargin)) << "drawing reaches the neighbouring cell";
    }
}

std::vector<Box> grid(int x0, int y0, int w, int h, int columns, int rows) {
    std::vector<Box> cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) cells.push_back({x0 + c * w, y0 + r * h, w, h});
    return cells;
}

TEST(SpriteArt, SheetCellsHoldTheirDrawingWhereTheGameCutsThem) {
    std::vector<Box> thrower = grid(0, 0, 256, 170, 1, 3);
    for (const Box& item : grid(340, 0, 170, 170, 1, 3)) thrower.push_back(item);
    expectCellsDrawnInside(kuva(11), thrower);
    expectCellsDrawnInside(kuva(12), grid(0, 0, 128, 256, 4, 2));
    std::vector<Box> effects = grid(0, 0, 128, 128, 4, 1);
    effects.push_back({0, 128, 128, 128});
    effects.push_back({256, 128, 128, 128});
    expectCellsDrawnInside("effect1.png", effects);
}

TEST(SpriteArt, BlowerStandsOnTheCellBottomAndPuffsWiden) {
    const Surface blower = load(kuva(12));
    ASSERT_TRUE(blower);
    constexpr int feetBand = 16;  // squashed to 182 high, the feet must still touch the box bottom
    for (const Box& cell : grid(0, 0, 128, 256, 4, 2)) {
        const Box ink = inkBounds(blower.get(), cell);
        EXPECT_GE(ink.bottom(), cell.bottom() - feetBand) << "feet float in the cell at x " << cell.x << " y " << cell.y;
    }
    // The game plays the puff from x 384 to x 0: each frame at least as wide as the one before.
    const Surface effects = load("effect1.png");
    ASSERT_TRUE(effects);
    int previousWidth = 0;
    for (int x : {384, 256, 128, 0}) {
        const Box ink = inkBounds(effects.get(), {x, 0, 128, 128});
        EXPECT_GE(ink.w, previousWidth) << "puff frame at x " << x << " shrinks";
        previousWidth = ink.w;
    }
}

// Widest run of ink across one line through the image, measured along columns or rows.
int widestSpanAt(const SDL_Surface* s, int line, bool column) {
    const Box box = column ? Box{line, 0, 1, s->h} : Box{0, line, s->w, 1};
    const Box ink = inkBounds(s, box);
    return column ? ink.h : ink.w;
}

int lineOfWidestSpan(const SDL_Surface* s, bool column) {
    int best = 0, bestLine = 0;
    for (int line = 0; line < (column ? s->w : s->h); ++line) {
        const int span = widestSpanAt(s, line, column);
        if (span > best) {
            best = span;
            bestLine = line;
        }
    }
    return bestLine;
}

TEST(SpriteArt, HatFacesItsTailAndTheIconStandsUpright) {
    // At angle 0 the gas leaves towards +x: the broad open brim is on the right, the crown on the left.
    const Surface hat = load(kuva(1));
    ASSERT_TRUE(hat);
    EXPECT_GT(lineOfWidestSpan(hat.get(), true), hat->w / 2) << "brim not on the right";
    // The icon is the hat standing up: brim at the bottom.
    const Surface icon = load("icon.png");
    ASSERT_TRUE(icon);
    EXPECT_GT(lineOfWidestSpan(icon.get(), false), icon->h / 2) << "icon brim not at the bottom";
}

TEST(SpriteArt, TintedPicturesAreDrawnLight) {
    std::vector<std::string> tinted = {kuva(1), kuva(14), kuva(4), "font.png"};
    for (int n : captionNumbers) tinted.push_back(kuva(n));
    for (const std::string& file : tinted) {
        const Surface s = load(file);
        ASSERT_TRUE(s) << file;
        EXPECT_GE(lightInkShare(s.get(), wholeImage(s.get())), lightInk) << file;
    }
    const Surface effects = load("effect1.png");
    ASSERT_TRUE(effects);
    EXPECT_GE(lightInkShare(effects.get(), {0, 128, 128, 128}), lightInk) << "ember";
    EXPECT_GE(lightInkShare(effects.get(), {256, 128, 128, 128}), lightInk) << "bubble";
}

TEST(SpriteArt, CaptionsFitWhereTheMenuPutsThem) {
    for (int n : captionNumbers) {
        const Surface s = load(kuva(n));
        ASSERT_TRUE(s) << kuva(n);
        const Box ink = inkBounds(s.get(), wholeImage(s.get()));
        EXPECT_LT(ink.x, s->w / 16) << kuva(n) << " is not left-aligned";
    }
    // On the settings page the mark sits 340 units right of its caption.
    for (int n : markedSettingsCaptions) {
        const Surface s = load(kuva(n));
        ASSERT_TRUE(s);
        EXPECT_LE(inkBounds(s.get(), wholeImage(s.get())).right(), settingsCaptionWidth) << kuva(n);
    }
    for (int n : onOffMarks) {
        const Surface s = load(kuva(n));
        ASSERT_TRUE(s);
        EXPECT_LE(inkBounds(s.get(), wholeImage(s.get())).right(), onOffMarkWidth) << kuva(n);
    }
}

// Glyph sheet: 16x16 cells, glyph g in column g % 16 and row g / 16 counted from the last stored row.
constexpr int glyphCell = 32;
constexpr int glyphAdvance = glyphCell * 10 / 16;
constexpr int firstSet1Glyph = 128;

Box glyphCellBox(int glyph) {
    return {(glyph % 16) * glyphCell, 512 - (glyph / 16 + 1) * glyphCell, glyphCell, glyphCell};
}

TEST(SpriteArt, GlyphSheetHasTwoSetsInsideTheirAdvance) {
    const Surface font = load("font.png");
    ASSERT_TRUE(font);
    ASSERT_EQ(font->w, 512);
    for (int set : {0, 1}) {
        const int base = set * firstSet1Glyph;
        EXPECT_EQ(inkBounds(font.get(), glyphCellBox(base)).w, 0) << "space is not blank in set " << set;
        for (int c = '!'; c <= '~'; ++c) {
            const Box cell = glyphCellBox(base + c - ' ');
            const Box ink = inkBounds(font.get(), cell);
            EXPECT_GT(ink.w, 0) << "no glyph for '" << char(c) << "' in set " << set;
            EXPECT_LE(ink.right(), cell.x + glyphAdvance) << "'" << char(c) << "' overlaps the next letter";
            EXPECT_TRUE(keepsClearOf(font.get(), {cell.x, cell.y, glyphAdvance, glyphCell}, 0));
        }
    }
}

TEST(SpriteArt, GlyphSheetIsStoredUpsideDownAndSetsDiffer) {
    const Surface font = load("font.png");
    ASSERT_TRUE(font);
    for (int set : {0, 1}) {
        // Stored flipped, an underscore sits in the top half of its stored cell and a caret in the bottom half.
        const Box under = glyphCellBox(set * firstSet1Glyph + '_' - ' ');
        const Box caret = glyphCellBox(set * firstSet1Glyph + '^' - ' ');
        EXPECT_LT(inkBounds(font.get(), under).bottom(), under.y + glyphCell / 2) << "set " << set;
        EXPECT_GE(inkBounds(font.get(), caret).y, caret.y + glyphCell / 2) << "set " << set;
    }
    int differing = 0;
    for (int g = 1; g < 95; ++g) {
        const Box a = glyphCellBox(g), b = glyphCellBox(g + firstSet1Glyph);
        bool same = true;
        for (int y = 0; y < glyphCell && same; ++y)
            for (int x = 0; x < glyphCell && same; ++x)
                same = pixelAt(font.get(), a.x + x, a.y + y).a == pixelAt(font.get(), b.x + x, b.y + y).a;
        differing += same ? 0 : 1;
    }
    EXPECT_GT(differing, 90) << "set 1 must be a different face";
    // White letters with a dark edge: the tint shows on the ink, the edge keeps it readable.
    const Box a = glyphCellBox('A' - ' ');
    double brightest = 0.0, darkest = 1.0;
    for (int y = a.y; y < a.bottom(); ++y)
        for (int x = a.x; x < a.right(); ++x) {
            const Rgba p = pixelAt(font.get(), x, y);
            if (p.a < 200) continue;
            brightest = std::max(brightest, p.luminance());
            darkest = std::min(darkest, p.luminance());
        }
    EXPECT_GT(brightest, 0.95);
    EXPECT_LT(darkest, 0.3);
}

}  // namespace
