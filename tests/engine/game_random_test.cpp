// The game's own generator: the C library's rand() values in rand()'s order, a state that replays,
// and a sequence no other caller of rand() can move.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "engine/game_random.hpp"

namespace {

std::vector<int> drawn(GameRandom& random, int count)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i) values.push_back(random.next());
    return values;
}

std::vector<int> libraryDrawn(unsigned seed, int count)
{
    std::srand(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i) values.push_back(std::rand());
    return values;
}

TEST(GameRandom, GivesTheLibrarysSequenceForTheUnseededStartAndForEverySeed)
{
    // Long enough to run many times round the 31-word table.
    constexpr int count = 5000;
    GameRandom unseeded;
    EXPECT_EQ(drawn(unseeded, count), libraryDrawn(1, count));
    for (const unsigned seed : {0u, 2u, 7u, 499u, 123456789u, 0xFFFFFFFFu}) {
        GameRandom seeded(seed);
        EXPECT_EQ(drawn(seeded, count), libraryDrawn(seed, count)) << "seed " << seed;
    }
}

TEST(GameRandom, ASetStateReplaysTheSequenceWhateverOtherCallersOfRandDo)
{
    GameRandom& shared = GameRandom::shared();
    const GameRandom::State before = shared.state();
    for (int i = 0; i < 40; ++i) gameRand();
    const GameRandom::State taken = shared.state();
    const std::vector<int> first = drawn(shared, 200);
    shared.setState(taken);
    // A library that seeds and draws the C library's sequence does not move the game's.
    std::srand(99);
    for (int i = 0; i < 50; ++i) std::rand();
    EXPECT_EQ(drawn(shared, 200), first);
    shared.setState(before);
}

}  // namespace
