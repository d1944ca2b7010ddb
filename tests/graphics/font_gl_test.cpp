// Text drawn into a real window from a glyph sheet whose cells all differ, read back.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <array>
#include <tuple>

#include "graphics/font.hpp"
#include "graphics/gl_test_window.hpp"

using namespace testing_support;

namespace {

constexpr int glyphPixels = 16;
constexpr int sheetCells = 16;
constexpr GLsizei listsBeforeFont = 64;
constexpr GLuint strayNames = 96;

// The upper half of a letter is the half of its cell nearer the sheet's last stored row.
Rgb glyphColour(int glyph, bool upperHalf)
{
    return {glyph, 255 - glyph, upperHalf ? 255 : 0};
}

Rgb sheetPixel(int x, int y)
{
    return glyphColour((sheetCells - 1 - y / glyphPixels) * sheetCells + x / glyphPixels, y % glyphPixels >= 8);
}

// Lists that are not the font's: if text ever called one, a white square would show.
void defineStrayLists(GLuint first, GLuint count)
{
    for (GLuint list = first; list < first + count; ++list) {
        glNewList(list, GL_COMPILE);
        glDisable(GL_TEXTURE_2D);
        glRecti(0, 0, glyphPixels, glyphPixels);
        glEnable(GL_TEXTURE_2D);
        glEndList();
    }
}

std::array<GLint, 3> matrixState()
{
    std::array<GLint, 3> state{};
    const GLenum names[] = {GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH, GL_MATRIX_MODE};
    for (std::size_t i = 0; i < state.size(); ++i) glGetIntegerv(names[i], &state[i]);
    return state;
}

class FontGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeSheet("font.png", 256, 256, sheetPixel);
        textures.font = loadTexture("font.png");
        ASSERT_NE(textures.font, 0u);
        glGenLists(listsBeforeFont);  // lists go with the window's context
        buildFont(textures);
        defineStrayLists(textures.fontBase - 32, 32);
        defineStrayLists(textures.fontBase + fontGlyphCount, strayNames);
        glColor3f(1.0f, 1.0f, 1.0f);
    }
    // Glyph g upright in the 16x16 box whose lower-left corner is (x, y).
    void expectGlyph(int glyph, int x, int y)
    {
        EXPECT_EQ(pixelAt(x + 4, y - 12), glyphColour(glyph, true)) << "glyph " << glyph << " at " << x;
        EXPECT_EQ(pixelAt(x + 4, y - 4), glyphColour(glyph, false)) << "glyph " << glyph << " at " << x;
    }

    GlTestWindow window;
    TextureSet textures;
};

TEST_F(FontGlTest, ALetterSitsAboveItsAnchorInTheCellOfItsSetAndLeavesTheStateAsItWas)
{
    const auto initial = matrixState();
    printText(textures, 715, 20, "A", 0, 0.0f, 1.0f);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(matrixState(), initial) << "stack depths and matrix mode";
    expectGlyph(33, 715, 20);
    EXPECT_TRUE(lit(715, 4) && lit(730, 19));
    EXPECT_FALSE(lit(714, 12) || lit(731, 12) || lit(722, 3) || lit(722, 20));

    // Byte b draws glyph b - 32 + 128 x set, and a set past 1 is 0: in set -1 "A" (65) would be glyph
    // -95, outside the font, so nothing shows, while byte 225 reaches glyph 65.
    const std::tuple<const char*, int, int> sets[] = {{"A", 1, 161}, {"A", 2, 33}, {"\xE1", -1, 65}};
    int x = 100;
    for (const auto& [text, set, glyph] : sets) {
        printText(textures, x, 100, text, set, 0.0f, 1.0f);
        expectGlyph(glyph, x, 100);
        x += 100;
    }
    printText(textures, 500, 100, "A", -1, 0.0f, 1.0f);
    EXPECT_FALSE(lit(504, 92) || lit(504, 88)) << "set -1";
}

TEST_F(FontGlTest, PenAdvancesTenUnitsSkipsBytesWithoutAGlyphAndTurnsAndScalesAboutTheAnchor)
{
    printText(textures, 100, 100, "AB", 0, 0.0f, 1.0f);
    expectGlyph(33, 100, 100);
    EXPECT_EQ(pixelAt(118, 88), glyphColour(34, true)) << "the second letter overlaps the first";

    printText(textures, 100, 200, "\037A", 0, 0.0f, 1.0f);  // byte 31, then "A"
    printText(textures, 300, 200, "\240A", 1, 0.0f, 1.0f);  // byte 160, then "A"
    EXPECT_FALSE(lit(104, 192) || lit(304, 192)) << "a list outside the font was called";
    expectGlyph(33, 110, 200);
    expectGlyph(161, 310, 200);

    // Scale and angle act about the anchor.
    printText(textures, 100, 500, "A", 0, 0.0f, 2.0f);
    EXPECT_TRUE(lit(100, 468) && lit(131, 499));
    EXPECT_FALSE(lit(132, 490) || lit(110, 467));
    EXPECT_EQ(pixelAt(108, 476), glyphColour(33, true));

    printText(textures, 400, 500, "A", 0, 90.0f, 1.0f);  // counter-clockwise: the letter's top faces left
    EXPECT_EQ(pixelAt(386, 492), glyphColour(33, true));
    EXPECT_EQ(pixelAt(396, 492), glyphColour(33, false));
    EXPECT_FALSE(lit(400, 492) || lit(392, 483));
}

}  // namespace
