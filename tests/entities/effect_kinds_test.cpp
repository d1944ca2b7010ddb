// The six effect kinds: what each draws from the game's random sequence when it starts, and how
// whole-number speeds change frame by frame.
#include <gtest/gtest.h>

#include <algorithm>
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

// Starts an effect with the sequence restarted from the seed, checks the start took exactly `count`
// draws (by the draw that follows), and gives the draws it had.
template <typename Start>
std::vector<int> drawsTakenBy(unsigned seed, int count, Start start)
{
    std::srand(seed);
    std::vector<int> draws(static_cast<std::size_t>(count) + 1);
    std::generate(draws.begin(), draws.end(), std::rand);
    std::srand(seed);
    start();
    EXPECT_EQ(std::rand(), draws.back()) << "the start took other than " << count << " draws";
    return draws;
}

class EffectKindsTest : public ::testing::Test {
protected:
    void SetUp() override { engine.initHeadless(); }
    GameEngine engine;
};

TEST_F(EffectKindsTest, StartValuesComeFromTheRandomSequenceInOrder)
{
    // Each kind takes exactly its draws, in its order: the one draw each check names is enough to tell.
    const Vector3 at(100.0f, 100.0f, 0.0f);
    for (unsigned seed : seeds) {
        SCOPED_TRACE(seed);
        EmberEffect aimed, ember;
        BubbleEffect bubble;
        DustEffect dust;
        ShardEffect shard;
        RisingPictureEffect picture;
        PuffEffect puff;
        std::vector<int> r = drawsTakenBy(seed, 5, [&] { aimed.startAimed(at, bornAt, 0.8f); });
        const double a = 0.8 + 0.7 * (0.06666667 * (r[2] % 15) - 0.5);
        EXPECT_EQ(aimed.reversed, static_cast<int>((0.1 * (r[1] % 10) - 0.5) * 150) >= 1) << "kept from the unaimed start";
        EXPECT_EQ(aimed.velocityY, static_cast<int>(0.1 * (r[4] % 10) * 200 * std::sin(a)));

        r = drawsTakenBy(seed, 2, [&] { ember.start(at, bornAt); });
        EXPECT_EQ(ember.velocityX, static_cast<int>((0.1 * (r[0] % 10) - 0.5) * 200));

        r = drawsTakenBy(seed, 1, [&] { bubble.start(Vector3(100.5f, 100.0f, 0.0f), bornAt); });
        EXPECT_EQ(bubble.velocityY, static_cast<int>(0.1 * (r[0] % 10) * -300));

        r = drawsTakenBy(seed, 2, [&] { dust.start(at, bornAt); });
        EXPECT_EQ(dust.velocityY, static_cast<int>(std::sin(2 * 0.01 * (r[1] % 100) * 3.1415927) *
                                                   ((0.01 * (r[0] % 100) - 0.5) * 200 + 30)));

        r = drawsTakenBy(seed, 3, [&] { shard.start(at, bornAt); });
        EXPECT_EQ(shard.picture, r[2] % 10);
        EXPECT_FLOAT_EQ(shard.rotation, static_cast<float>(2 * 0.01 * (r[1] % 100) * 3.1415927));

        r = drawsTakenBy(seed, 2, [&] { picture.start(at, bornAt); });
        EXPECT_EQ(picture.picture, r[1] % 10);

        drawsTakenBy(seed, 0, [&] { puff.startAimed(at, bornAt, 0.8f); });
        EXPECT_FLOAT_EQ(puff.rotation, 0.8f * 57.29f);
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
