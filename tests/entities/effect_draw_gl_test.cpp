// Effects drawn for real under a display: where the square lands, its tint, what is left undrawn.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <array>
#include <string>

#include "engine/game_engine.hpp"
#include "entities/ember_effect.hpp"
#include "entities/shard_effect.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

class EffectDrawGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<std::uint8_t> white(8 * 8 * 4, 255);
        writePng("data/flare_white.png", 8, 8, 4, white);
        writePng("data/effect1.png", 8, 8, 4, white);
        for (int i = 1; i <= 10; ++i) {
            writePng("data/kuva" + std::to_string(i) + ".png", 8, 8, 4, white);
        }
        ::testing::internal::CaptureStdout();
        engine.init("Fezzle Flyer Deluxe", 800, 600, 32, false);
        ::testing::internal::GetCapturedStdout();
        viewRect = {1000, 200, 800, 600};
    }
    void TearDown() override
    {
        viewRect = {0, 0, 800, 600};
        ::testing::internal::CaptureStdout();
        engine.cleanup();
        ::testing::internal::GetCapturedStdout();
    }

    void drawFrame()
    {
        clearFrame();
        beginOverlay();
        engine.effects->draw(&engine);
        endOverlay();
    }

    static std::array<int, 3> pixelAt(int x, int yFromTop)
    {
        std::array<std::uint8_t, 4> rgba{};
        glReadPixels(x, 600 - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0], rgba[1], rgba[2]};
    }

    TempDir dir;
    GameEngine engine;
};

TEST_F(EffectDrawGlTest, ADustSpeckIsDrawnGreyWhereTheViewPutsItAndTheColourIsReset)
{
    engine.effects->spawn(1104, 304, 4, 0, 0.0f);
    Effect& dust = *engine.effects->effects[0];
    dust.elapsed = 300;  // fully faded in

    drawFrame();
    const std::array<int, 3> speck = pixelAt(104, 104);
    EXPECT_NEAR(speck[0], 153, 4) << "0.6 grey at full alpha";
    EXPECT_NEAR(speck[1], 153, 4);
    EXPECT_NEAR(speck[2], 153, 4);
    EXPECT_EQ(pixelAt(110, 104), (std::array<int, 3>{0, 0, 0})) << "an 8-pixel square";
    EXPECT_EQ(pixelAt(104, 96), (std::array<int, 3>{0, 0, 0}));

    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<float, 4>{1.0f, 1.0f, 1.0f, 1.0f}));
}

TEST_F(EffectDrawGlTest, AnEmberIsStillDrawnAtTheEndOfItsLifeAndGoneOneMillisecondLater)
{
    engine.effects->spawn(1400, 500, 2, 0, 0.0f);
    static_cast<EmberEffect&>(*engine.effects->effects[0]).velocityX = 0;  // yellow-white
    engine.effects->update(1500);
    ASSERT_EQ(engine.effects->effects.size(), 1u);
    const Vector3 at = engine.effects->effects[0]->position;
    const int x = static_cast<int>(at.x) - 1000 + 16;
    const int y = static_cast<int>(at.y) - 200 + 16;

    drawFrame();
    const std::array<int, 3> glow = pixelAt(x, y);
    EXPECT_GT(glow[1], 20) << "fading, but seen";
    EXPECT_GT(glow[1], glow[0]) << "no flare left: green over red";

    engine.effects->update(1);
    EXPECT_TRUE(engine.effects->effects.empty());
    drawFrame();
    EXPECT_EQ(pixelAt(x, y), (std::array<int, 3>{0, 0, 0}));
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
    drawFrame();
    EXPECT_FLOAT_EQ(seen.spinSpeed, 90.0f);
    EXPECT_FLOAT_EQ(unseen.spinSpeed, 100.0f);
}

}  // namespace
