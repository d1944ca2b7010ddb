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

    void drawEffects()
    {
        drawFrame([this] { engine.effects->draw(&engine); });
    }

    GlTestWindow window;
    GameEngine engine;
    GLuint white = 0;
};

TEST_F(EffectDrawGlTest, ADustSpeckIsDrawnGreyWhereTheViewPutsItAndTheColourIsReset)
{
    engine.effects->spawn(1104, 304, 4, 0, 0.0f);
    Effect& dust = *engine.effects->effects[0];
    dust.elapsed = 300;  // fully faded in

    drawEffects();
    const Rgb speck = pixelAt(104, 104);
    EXPECT_NEAR(speck[0], 153, 4) << "0.6 grey at full alpha";
    EXPECT_NEAR(speck[1], 153, 4);
    EXPECT_NEAR(speck[2], 153, 4);
    EXPECT_EQ(pixelAt(110, 104), (Rgb{0, 0, 0})) << "an 8-pixel square";
    EXPECT_EQ(pixelAt(104, 96), (Rgb{0, 0, 0}));

    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST_F(EffectDrawGlTest, AShardOffScreenKeepsItsSpin)
{
    engine.timer->frameSeconds = 0.016f;
    engine.effects->spawn(1400, 500, 5, 0, 0.0f);
    engine.effects->spawn(100, 500, 5, 0, 0.0f);  // left of the view
    auto& seen = static_cast<ShardEffect&>(*engine.effects->effects[0]);
    auto& unseen = static_cast<ShardEffect&>(*engine.effects->effects[1]);
    seen.spinSpeed = 100.0f;
    unseen.spinSpeed = 100.0f;
    drawEffects();
    EXPECT_FLOAT_EQ(seen.spinSpeed, 90.0f);
    EXPECT_FLOAT_EQ(unseen.spinSpeed, 100.0f);
}

}  // namespace
