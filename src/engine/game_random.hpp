// The game's own random numbers: the C library's additive generator (glibc's rand()) reimplemented,
// so every draw gives the value rand() gave, in the same order, while no library in the process can
// move the sequence, and its state can be read at a level's start and set again to replay it.
#pragma once

#include <array>
#include <cstdint>

class GameRandom {
public:
    // The generator's table: 31 words, the output read at `front` and `front` - 3 words behind.
    static constexpr std::size_t tableWords = 31;
    static constexpr std::size_t separation = 3;
    // The largest value a draw gives, as RAND_MAX.
    static constexpr int maxValue = 0x7FFFFFFF;

    struct State {
        std::array<std::uint32_t, tableWords> table{};
        std::uint8_t front = separation;

        bool operator==(const State& other) const { return table == other.table && front == other.front; }
        bool operator!=(const State& other) const { return !(*this == other); }
    };

    // Seed 1 is the sequence of a program that never seeds; seed 0 counts as 1, as srand has it.
    explicit GameRandom(std::uint32_t seed = unseeded);

    // The next value, 0 to maxValue.
    int next();
    State state() const { return current; }
    void setState(const State& state) { current = state; }

    // The one generator every draw of the game takes its value from.
    static GameRandom& shared();

    static constexpr std::uint32_t unseeded = 1;

private:
    State current;
};

// Shorthand for GameRandom::shared().next(): what every random draw of the game calls.
int gameRand();
