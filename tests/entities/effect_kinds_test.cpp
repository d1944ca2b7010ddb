// The six effect kinds: what each draws from the game's random sequence when it starts, and how
// whole-number speeds change frame by frame.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/game_engine.hpp"
#include "entities/bubble_effect.hpp"
#include "entities/dust_effect.hpp"
#include "entities/ember_effect.hpp"
#include "entities/puff_effect.hpp"
#include "entities/rising_picture_effect.hpp"
#include "entities/shard_effect.hpp"

namespace {

constexpr int frameMs = 16;
constexpr double frameSeconds = 0.016;
constexpr std::uint32_t bornAt = 5000;
const std::vector<unsigned> seeds{1, 2, 7, 42, 1234, 99999};

// The next draws of the sequence from this seed; the sequence is restarted for the code under test,
// which must then have taken exactly that many (checked by the draw that follows).
std::vector<int> drawsFrom(unsigned seed, int count)
{
    std::srand(seed);
    std::vector<int> draws;
    for (int i = 0; i <= count; ++i) {
        draws.push_back(std::rand());
    }
    std::srand(seed);
    return draws;
}

void expectNextDraw(const std::vector<int>& draws)
{
    EXPECT_EQ(std::rand(), draws.back()) << "the start took " << draws.size() - 1 << " draws";
}

class EffectKindsTest : public ::testing::Test {
protected:
    void SetUp() override { engine.initHeadless(); }
    GameEngine engine;
};

TEST_F(EffectKindsTest, StartValuesComeFromTheRandomSequenceInOrder)
{
    // Each kind takes exactly its draws, in its order: the one draw each check names is enough to tell.
    for (unsigned seed : seeds) {
        SCOPED_TRACE(seed);
        std::vector<int> r = drawsFrom(seed, 5);
        EmberEffect aimed;
        aimed.startAimed(Vector3(100.0f, 100.0f, 0.0f), bornAt, 0.8f);
        const double a = 0.8 + 0.7 * (0.06666667 * (r[2] % 15) - 0.5);
        EXPECT_EQ(aimed.reversed, static_cast<int>((0.1 * (r[1] % 10) - 0.5) * 150) >= 1) << "kept from the unaimed start";
        EXPECT_EQ(aimed.velocityY, static_cast<int>(0.1 * (r[4] % 10) * 200 * std::sin(a)));
        expectNextDraw(r);

        r = drawsFrom(seed, 2);
        EmberEffect ember;
        ember.start(Vector3(100.0f, 100.0f, 0.0f), bornAt);
        EXPECT_EQ(ember.velocityX, static_cast<int>((0.1 * (r[0] % 10) - 0.5) * 200));
        expectNextDraw(r);

        r = drawsFrom(seed, 1);
        BubbleEffect bubble;
        bubble.start(Vector3(100.5f, 100.0f, 0.0f), bornAt);
        EXPECT_EQ(bubble.velocityY, static_cast<int>(0.1 * (r[0] % 10) * -300));
        expectNextDraw(r);

        r = drawsFrom(seed, 2);
        DustEffect dust;
        dust.start(Vector3(100.0f, 100.0f, 0.0f), bornAt);
        EXPECT_EQ(dust.velocityY, static_cast<int>(std::sin(2 * 0.01 * (r[1] % 100) * 3.1415927) *
                                                   ((0.01 * (r[0] % 100) - 0.5) * 200 + 30)));
        expectNextDraw(r);

        r = drawsFrom(seed, 3);
        ShardEffect shard;
        shard.start(Vector3(100.0f, 100.0f, 0.0f), bornAt);
        EXPECT_EQ(shard.picture, r[2] % 10);
        EXPECT_FLOAT_EQ(shard.rotation, static_cast<float>(2 * 0.01 * (r[1] % 100) * 3.1415927));
        expectNextDraw(r);

        r = drawsFrom(seed, 2);
        RisingPictureEffect picture;
        picture.start(Vector3(100.0f, 100.0f, 0.0f), bornAt);
        EXPECT_EQ(picture.picture, r[1] % 10);
        expectNextDraw(r);

        r = drawsFrom(seed, 0);
        PuffEffect puff;
        puff.startAimed(Vector3(100.0f, 100.0f, 0.0f), bornAt, 0.8f);
        EXPECT_FLOAT_EQ(puff.rotation, 0.8f * 57.29f);
        expectNextDraw(r);
    }
}

TEST_F(EffectKindsTest, FallingEmbersGainSpeedInWholeSteps)
{
    EmberEffect ember;
    ember.start(Vector3(0.0f, 0.0f, 0.0f), bornAt);
    ember.velocityX = 100;
    ember.velocityY = -5;
    // +1.28 px/s per 16 ms frame, truncated toward zero: +2 while well below zero, +1 from -1 on.
    for (int expected : {-3, -1, 0, 1, 2, 3}) {
        const float y = ember.position.y;
        ASSERT_TRUE(ember.update(frameMs));
        EXPECT_EQ(ember.velocityY, expected);
        EXPECT_FLOAT_EQ(ember.position.y, static_cast<float>(y + expected * frameSeconds)) << "moved at the new speed";
    }
    EXPECT_NEAR(ember.position.x, -16.0f + 6 * 1.6f, 1e-4);
    ember.elapsed = 1325;
    EXPECT_FLOAT_EQ(ember.look(&engine).alpha, 0.5f) << "fades from 1000 ms to 150 ms past its end";

}

}  // namespace
