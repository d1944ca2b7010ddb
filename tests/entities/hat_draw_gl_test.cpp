// The hat and its HUD as a real window shows them: the gas meter's bars to the pixel and the
// picture's place on screen when the camera is held at the level's left edge.
#include <gtest/gtest.h>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
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
        engine.textures->kuva[0] = loadTexture("white.png");  // the hat
        engine.timer->lastTicks = 50000;
        hat.pressure = 0;  // untinted
    }
    void TearDown() override { releaseTextures(*engine.textures); }

    // The hat with its centre at (cx, 300) in the level, seen through the view.
    void drawAt(float cx, Rect view)
    {
        hat.position.set(cx - 15.0f, 285.0f, 0.0f);
        viewRect = view;
        drawFrame([this] { hat.draw(&engine); });
    }
    void drawHud(int capacity, int pressure)
    {
        hat.capacity = capacity;
        hat.pressure = pressure;
        drawFrame([this] { hat.drawHud(&engine); });
    }
    bool red(int x, int y) { return pixelAt(x, y)[0] > 100 && pixelAt(x, y)[1] < 30; }
    bool green(int x, int y) { return pixelAt(x, y)[1] > 100 && pixelAt(x, y)[0] < 100; }

    GlTestWindow window;
    GameEngine engine;
    Hat hat;
};

TEST_F(HatDrawTest, GasMeterBarsStandOn590AtTheLeftEdge)
{
    // Capacity 10000: red from 340; pressure 5000: green from 465; both from x 10 to 25.
    drawHud(10000, 5000);
    EXPECT_FALSE(lit(17, 339) || lit(17, 590) || lit(9, 500) || lit(25, 500));
    EXPECT_TRUE(red(17, 340) && red(17, 464));
    EXPECT_TRUE(green(17, 465) && green(24, 589));

    // After a hard bump in easy mode: red from 402.5, and green keeps its half of the red.
    drawHud(7500, 3750);
    EXPECT_FALSE(lit(17, 401));
    EXPECT_TRUE(red(17, 495) && green(17, 497));

    // 1500 ms after a burst the full bar has turned red.
    hat.failed = true;
    hat.failedAt = engine.timer->lastTicks - 1500;
    drawHud(7500, 7500);
    EXPECT_EQ(pixelAt(17, 403)[1], 0);
}

TEST_F(HatDrawTest, PictureSitsAtTheScreenCentreUnlessTheCameraIsHeldAtTheLeftEdge)
{
    drawAt(6000.0f, {5600, 100, 800, 600});
    EXPECT_FALSE(lit(353, 300));
    EXPECT_TRUE(lit(357, 300)) << "followed: the picture starts at 400 - 45";

    drawAt(100.0f, {0, 100, 800, 600});
    EXPECT_FALSE(lit(53, 300));
    EXPECT_TRUE(lit(57, 300)) << "held at the left edge: 100 - 45";
    EXPECT_FALSE(lit(147, 300));
}

}  // namespace
