// Entities on a real OpenGL frame: effects, the hat and its HUD to the pixel.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <array>
#include <tuple>
#include <utility>

#include "entities/shard_effect.hpp"
#include "graphics/gl_test_window.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

// Every picture a white texel.
class ObjectsGlTest : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        white = plainTexture(1, 1, [](int, int) { return Rgb{255, 255, 255}; });
        engine.textures->flare = engine.textures->effect = white;
        engine.textures->kuva.fill(white);
    }
    void TearDown() override
    {
        glDeleteTextures(1, &white);
        viewRect = {0, 0, 800, 600};
        ObjectTest::TearDown();
    }
    GlTestWindow window;
    GLuint white = 0;
};

TEST_F(ObjectsGlTest, ADustSpeckIsDrawnGreyWhereTheViewPutsItAndAShardOffScreenKeepsItsSpin)
{
    at(0);
    viewRect = {1000, 200, 800, 600};
    engine.effects->spawn(1104, 304, 4, 0, 0.0f);
    engine.effects->effects[0]->elapsed = 300;  // fully faded in
    // Shards in the view and left of it: only the drawn one spins down.
    for (int x : {1400, 100}) {
        engine.effects->spawn(x, 500, 5, 0, 0.0f);
        static_cast<ShardEffect&>(*engine.effects->effects.back()).spinSpeed = 100.0f;
    }
    drawFrame([this] { engine.effects->draw(&engine); });
    for (int channel : pixelAt(104, 104)) EXPECT_NEAR(channel, 153, 4) << "0.6 grey at full alpha";
    EXPECT_FALSE(lit(110, 104) || lit(104, 96)) << "an 8-pixel square";
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
    EXPECT_FLOAT_EQ(static_cast<ShardEffect&>(*engine.effects->effects[1]).spinSpeed, 90.0f);
    EXPECT_FLOAT_EQ(static_cast<ShardEffect&>(*engine.effects->effects[2]).spinSpeed, 100.0f) << "off screen";
}

TEST_F(ObjectsGlTest, PictureSitsAtTheScreenCentreUnlessTheCameraIsHeldAndGasMeterBarsStandOn590AtTheLeftEdge)
{
    at(50000);
    Hat hat;
    hat.pressure = 0;  // untinted
    const auto drawHud = [&](int capacity, int pressure) {
        std::tie(hat.capacity, hat.pressure) = std::pair(capacity, pressure);
        drawFrame([&] { hat.drawHud(&engine); });
    };
    const auto red = [](int x, int y) { return pixelAt(x, y)[0] > 100 && pixelAt(x, y)[1] < 30; };
    const auto green = [](int x, int y) { return pixelAt(x, y)[1] > 100 && pixelAt(x, y)[0] < 100; };
    // Hat centres (6000, 300) and (100, 300): followed, the picture starts at 400 - 45; held, at 100 - 45.
    for (const auto& [cx, viewX, left] : {std::tuple{6000, 5600, 355}, std::tuple{100, 0, 55}}) {
        hat.position.set(static_cast<float>(cx) - 15.0f, 285.0f, 0.0f);
        viewRect = {viewX, 100, 800, 600};
        drawFrame([&] { hat.draw(&engine); });
        EXPECT_TRUE(!lit(left - 2, 300) && lit(left + 2, 300) && !lit(left + 92, 300)) << cx;
    }

    // Capacity 10000: red from 340; pressure 5000: green from 465; both from x 10 to 25.
    drawHud(10000, 5000);
    EXPECT_FALSE(lit(17, 339) || lit(17, 590) || lit(9, 500) || lit(25, 500));
    EXPECT_TRUE(red(17, 340) && red(17, 464) && green(17, 465) && green(24, 589));

    // After a hard bump in easy mode: red from 402.5, and green keeps its half of the red.
    drawHud(7500, 3750);
    EXPECT_FALSE(lit(17, 401));
    EXPECT_TRUE(red(17, 495) && green(17, 497));

    // 1500 ms after a burst the full bar has turned red.
    hat.failed = true;
    hat.failedAt = 50000 - 1500;
    drawHud(7500, 7500);
    EXPECT_EQ(pixelAt(17, 403)[1], 0);
}

}  // namespace
