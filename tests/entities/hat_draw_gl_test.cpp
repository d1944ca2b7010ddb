// The hat's picture and its HUD as a real window shows them: the gas meter's bars to the pixel, the
// picture's place at the level edges, its tint, its shrinking after a burst and hard mode's turn bar.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "graphics/font.hpp"
#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/texture_set.hpp"
#include "graphics/video.hpp"

using namespace testing_support;

namespace {

class HatDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.initHeadless();
        writeSheet("white.png", 8, 8, [](int, int) { return Rgb{255, 255, 255}; });
        engine.textures->kuva[0] = loadTexture("white.png");
        engine.textures->kuva[12] = loadTexture("white.png");
        buildFont(*engine.textures);
        engine.timer->lastTicks = 50000;
        hat.pressure = 0;  // untinted
        clearFrame();
    }
    void TearDown() override
    {
        releaseFont(*engine.textures);
        releaseTextures(*engine.textures);
    }

    // The hat with its centre at (cx, cy) in the level, seen through the view.
    void drawAt(float cx, float cy, Rect view)
    {
        hat.position.set(cx - 15.0f, cy - 15.0f, 0.0f);
        viewRect = view;
        clearFrame();
        beginOverlay();
        hat.draw(&engine);
        endOverlay();
    }
    void drawHud()
    {
        clearFrame();
        beginOverlay();
        hat.drawHud(&engine);
        endOverlay();
    }

    GlTestWindow window;
    GameEngine engine;
    Hat hat;
};

bool reddish(const Rgb& c)
{
    return c[0] > 100 && c[1] < 30 && c[2] < 30;
}
bool greenish(const Rgb& c)
{
    return c[1] > 100 && c[0] < 100 && c[2] < 30;
}
bool black(const Rgb& c)
{
    return c == Rgb{0, 0, 0};
}

TEST_F(HatDrawTest, GasMeterBarsStandOn590AtTheLeftEdge)
{
    hat.pressure = 5000;
    drawHud();
    // Capacity 10000: red from 340; pressure 5000: green from 465; both from x 10 to 25.
    EXPECT_TRUE(black(pixelAt(17, 339)));
    EXPECT_TRUE(reddish(pixelAt(17, 340)));
    EXPECT_TRUE(reddish(pixelAt(17, 464)));
    EXPECT_TRUE(greenish(pixelAt(17, 465)));
    EXPECT_TRUE(greenish(pixelAt(17, 589)));
    EXPECT_TRUE(black(pixelAt(17, 590)));
    EXPECT_TRUE(black(pixelAt(9, 500)));
    EXPECT_TRUE(greenish(pixelAt(10, 500)));
    EXPECT_TRUE(greenish(pixelAt(24, 500)));
    EXPECT_TRUE(black(pixelAt(25, 500)));
    const Rgb red = pixelAt(17, 400);
    EXPECT_NEAR(red[0], 153, 2) << "translucent: 0.6 of full red over black";

    // After a hard bump in easy mode: red from 402.5, and green keeps its half of the red.
    hat.capacity = 7500;
    hat.pressure = 3750;
    drawHud();
    EXPECT_TRUE(black(pixelAt(17, 401)));
    EXPECT_TRUE(reddish(pixelAt(17, 403)));
    EXPECT_TRUE(reddish(pixelAt(17, 495)));
    EXPECT_TRUE(greenish(pixelAt(17, 497)));

    // Full: the green bar covers the red one exactly.
    hat.pressure = 7500;
    drawHud();
    EXPECT_TRUE(black(pixelAt(17, 401)));
    EXPECT_TRUE(greenish(pixelAt(17, 403)));
}

TEST_F(HatDrawTest, GasMeterTurnsRedOverTheTimeABurstHatShrinks)
{
    hat.pressure = 10000;
    hat.failed = true;
    hat.failedAt = engine.timer->lastTicks;
    drawHud();
    EXPECT_TRUE(greenish(pixelAt(17, 400))) << "green at the moment of the burst";
    engine.timer->lastTicks += 1500;
    drawHud();
    const Rgb burnt = pixelAt(17, 400);
    EXPECT_EQ(burnt[1], 0);
    EXPECT_GT(burnt[0], 200) << "red over red";
}

TEST_F(HatDrawTest, PictureSitsAtTheScreenCentreUnlessTheCameraIsHeldAtALevelEdge)
{
    struct Case {
        float cx, cy;
        Rect view;
        int sx, sy;  // the picture's top-left corner on screen
    };
    const Case cases[] = {
        {6000.0f, 400.0f, {5600, 100, 800, 600}, 355, 255},    // followed: centred
        {100.0f, 400.0f, {0, 100, 800, 600}, 55, 255},         // left edge
        {11900.0f, 400.0f, {11200, 100, 800, 600}, 655, 255},  // right edge
        {6000.0f, 50.0f, {5600, 0, 800, 600}, 355, 5},         // top
        {6000.0f, 700.0f, {5600, 200, 800, 600}, 355, 455},    // bottom
    };
    for (const Case& c : cases) {
        drawAt(c.cx, c.cy, c.view);
        const int midX = c.sx + 45;
        const int midY = c.sy + 45;
        EXPECT_EQ(pixelAt(midX, midY), (Rgb{255, 255, 255})) << "centre " << c.cx << "," << c.cy;
        EXPECT_FALSE(lit(c.sx - 2, midY)) << "left of " << c.sx;
        EXPECT_TRUE(lit(c.sx + 2, midY)) << "inside the left edge " << c.sx;
        EXPECT_TRUE(lit(c.sx + 87, midY)) << "inside the right edge " << c.sx;
        EXPECT_FALSE(lit(c.sx + 92, midY)) << "right of " << c.sx;
        EXPECT_FALSE(lit(midX, c.sy - 2)) << "above " << c.sy;
        EXPECT_FALSE(lit(midX, c.sy + 92)) << "below " << c.sy;
    }
}

TEST_F(HatDrawTest, PictureReddensWithPressureAndShrinksAwayAfterABurst)
{
    hat.pressure = 5000;
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    const Rgb tinted = pixelAt(100, 300);
    EXPECT_EQ(tinted[0], 255);
    EXPECT_NEAR(tinted[1], 128, 1);
    EXPECT_NEAR(tinted[2], 128, 1);

    hat.pressure = 10000;
    hat.failed = true;
    hat.failedAt = engine.timer->lastTicks - 750;
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    EXPECT_EQ(pixelAt(100, 300), (Rgb{255, 0, 0})) << "pure red at the burst point";
    EXPECT_TRUE(lit(80, 300)) << "half size after 750 ms: 45 wide about the centre";
    EXPECT_FALSE(lit(70, 300));
    hat.failedAt = engine.timer->lastTicks - 1500;
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    EXPECT_FALSE(lit(100, 300)) << "gone after 1500 ms";
}

TEST_F(HatDrawTest, HardModeShowsTheTurningSpeedAsABarUnderTheHat)
{
    // The picture's centre is at (100, 300); the bar starts 65 lower, at (100, 365), 30 high.
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    EXPECT_FALSE(lit(90, 380)) << "no bar in easy mode";

    hat.hardMode = true;
    hat.angularVelocity = -0.5f;
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    EXPECT_TRUE(lit(90, 380)) << "turning clockwise points the bar left";
    EXPECT_FALSE(lit(103, 380));
    EXPECT_FALSE(lit(80, 380)) << "15 units long";
    EXPECT_FALSE(lit(90, 362));
    EXPECT_TRUE(lit(90, 393));
    EXPECT_FALSE(lit(90, 397));

    hat.angularVelocity = 0.5f;
    drawAt(100.0f, 300.0f, {0, 0, 800, 600});
    EXPECT_TRUE(lit(110, 380));
    EXPECT_FALSE(lit(95, 380));
}

}  // namespace
