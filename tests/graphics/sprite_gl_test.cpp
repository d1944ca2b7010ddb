// Sprites drawn into a real window and read back: placement, cells, mirroring, repeat, turning and scaling.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <vector>

#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"

using namespace testing_support;

namespace {

constexpr int cellPixels = 128;

// Each 128x128 cell of the 512x512 sheet has its own colour.
Rgb cell(int column, int row)
{
    return {30 + 70 * column, 30 + 70 * row, 128};
}

class SpriteGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sheet = plainTexture(512, 512, [](int x, int y) { return cell(x / cellPixels, y / cellPixels); });
        beginOverlay();
        glColor3f(1.0f, 1.0f, 1.0f);
    }
    void TearDown() override { endOverlay(); }
    void draw(Rect destination, Rect source, float angle = 0.0f, float scale = 1.0f)
    {
        EXPECT_TRUE(drawSprite(destination, sheet, source, angle, scale));
    }

    GlTestWindow window;
    std::uint32_t sheet = 0;
};

TEST_F(SpriteGlTest, CoversExactlyTheDestinationWithTheWholeSheet)
{
    draw({10, 10, 256, 64}, wholeSheet);
    EXPECT_TRUE(lit(10, 10) && lit(265, 10) && lit(10, 73) && lit(265, 73));
    EXPECT_FALSE(lit(9, 40) || lit(266, 40) || lit(100, 9) || lit(100, 74));
    EXPECT_TRUE(pixelAt(12, 12) == cell(0, 0) && pixelAt(263, 71) == cell(3, 3));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(SpriteGlTest, SourceCellsMirrorWithANegativeSizeAndRepeatPastTheSheet)
{
    draw({100, 100, 128, 128}, {256, 128, 128, 128});
    for (int at : {103, 164, 224}) EXPECT_EQ(pixelAt(at, at), cell(2, 1)) << at;
    draw({300, 100, 256, 128}, {256, 0, -256, 128});
    EXPECT_EQ(pixelAt(330, 164), cell(1, 0)) << "left half shows the right cell";
    EXPECT_EQ(pixelAt(500, 164), cell(0, 0));
    draw({300, 300, 128, 256}, {0, 256, 128, -256});
    EXPECT_EQ(pixelAt(364, 330), cell(0, 1)) << "top half shows the lower cell";
    EXPECT_EQ(pixelAt(364, 500), cell(0, 0));
    draw({600, 100, 128, 64}, {384, 0, 256, 128});
    EXPECT_EQ(pixelAt(630, 132), cell(3, 0));
    EXPECT_EQ(pixelAt(700, 132), cell(0, 0)) << "past the right edge the sheet starts again";
}

TEST_F(SpriteGlTest, AngleTurnsClockwiseAndScaleGrowsAboutTheCentre)
{
    draw({100, 100, 256, 256}, wholeSheet, 90.0f);
    // The sheet's top-left corner went to the top-right.
    EXPECT_EQ((std::vector<Rgb>{pixelAt(324, 132), pixelAt(132, 132), pixelAt(132, 324), pixelAt(324, 324)}),
              (std::vector<Rgb>{cell(0, 0), cell(0, 3), cell(3, 3), cell(3, 0)}));

    draw({500, 300, 100, 100}, wholeSheet, 0.0f, 2.0f);
    EXPECT_TRUE(lit(450, 250) && lit(649, 449));
    EXPECT_FALSE(lit(449, 350) || lit(650, 350) || lit(550, 249) || lit(550, 450));
    EXPECT_TRUE(pixelAt(455, 255) == cell(0, 0) && pixelAt(644, 444) == cell(3, 3));
}

}  // namespace
