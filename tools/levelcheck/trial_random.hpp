// The trials' own random numbers (splitmix64): the same seed gives the same people and the same
// trials on every machine, and drawing them never moves the game's own sequence.
#pragma once

#include <cstdint>

class TrialRandom {
public:
    explicit TrialRandom(std::uint64_t seed) : state(seed) {}

    std::uint64_t next()
    {
        state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // From `low` to `high`, both included.
    int between(int low, int high)
    {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    // From `low` up to `high`.
    float between(float low, float high)
    {
        constexpr double scale = 1.0 / 18446744073709551616.0;  // 2^-64
        return low + static_cast<float>(static_cast<double>(next()) * scale) * (high - low);
    }

private:
    std::uint64_t state;
};
