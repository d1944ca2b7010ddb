// Effects drawn for real under a display: where the square lands, its tint, what is left undrawn.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <array>

#include "engine/game_engine.hpp"
#include "entities/shard_effect.hpp"
#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"

using namespace testing_support;

namespace {

class EffectDrawGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.initHeadless();
        white = plainTexture(1, 1, [](int, int) { return Rgb{255, 255, 255}; });
        engine.textures->flare = engine.textures->effect = white;
        engine.textures->kuva.fill(white);
        viewRect = {1000, 200, 800, 600};
    }
    void TearDown() override
    {
        viewRect = {0, 0, 800, 600};
        glDeleteTextures(1, &white);
    }

    GlTestWindow window;
    GameEngine engine;
    GLuint white = 0;
};

TEST_F(EffectDrawGlTest, ADustSpeckIsDrawnGreyWhereTheViewPutsItAndTheColourIsReset)
{
    engine.effects->spawn(1104, 304, 4, 0, 0.0f);
    engine.effects->effects[0]->elapsed = 300;  // fully faded in
    drawFrame([this] { engine.effects->draw(&engine); });
    for (int channel = 0; channel < 3; ++channel) {
        EXPECT_NEAR(pixelAt(104, 104)[channel], 153, 4) << "0.6 grey at full alpha";
    }
    EXPECT_EQ(pixelAt(110, 104), (Rgb{0, 0, 0})) << "an 8-pixel square";
    EXPECT_EQ(pixelAt(104, 96), (Rgb{0, 0, 0}));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST_F(EffectDrawGlTest, AShardOffScreenKeepsItsSpin)
{
    engine.timer->frameSeconds = 0.016f;
    for (int x : {1400, 100}) {  // in the view and left of it
        engine.effects->spawn(x, 500, 5, 0, 0.0f);
        static_cast<ShardEffect&>(*engine.effects->effects.back()).spinSpeed = 100.0f;
    }
    drawFrame([this] { engine.effects->draw(&engine); });
    EXPECT_FLOAT_EQ(static_cast<ShardEffect&>(*engine.effects->effects[0]).spinSpeed, 90.0f);
    EXPECT_FLOAT_EQ(static_cast<ShardEffect&>(*engine.effects->effects[1]).spinSpeed, 100.0f);
}

}  // namespace
