// SplitMix64 seeded from the picture's name (FNV-1a), independent of the C library's rand().
#include "random_stream.hpp"

namespace {
constexpr uint64_t fnvOffset = 1469598103934665603ULL;
constexpr uint64_t fnvPrime = 1099511628211ULL;
constexpr double twoToMinus53 = 1.0 / 9007199254740992.0;
}  // namespace

RandomStream::RandomStream(const std::string& seedText) : state(fnvOffset)
{
    for (unsigned char c : seedText) {
        state = (state ^ c) * fnvPrime;
    }
}

uint64_t RandomStream::next()
{
    state += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double RandomStream::uniform(double low, double high)
{
    const double unit = static_cast<double>(next() >> 11) * twoToMinus53;
    return low + (high - low) * unit;
}

int RandomStream::below(int count)
{
    if (count <= 0) {
        return 0;
    }
    return static_cast<int>(next() % static_cast<uint64_t>(count));
}

bool RandomStream::chance(double probability)
{
    return uniform(0.0, 1.0) < probability;
}
