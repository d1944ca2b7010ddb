#include "engine/game_random.hpp"

namespace {

// The seeding is the Park-Miller step 16807 x mod 2^31 - 1, written as Schrage's method so that it
// never overflows 32 bits; then the first 310 outputs are thrown away, as the C library does.
constexpr std::int32_t parkMillerModulus = 2147483647;
constexpr std::int32_t parkMillerFactor = 16807;
constexpr std::int32_t schrageQuotient = 127773;
constexpr std::int32_t schrageRemainder = 2836;
constexpr int discardedPerWord = 10;

GameRandom sharedGenerator;

}  // namespace

GameRandom::GameRandom(std::uint32_t seed)
{
    if (seed == 0) {
        seed = 1;
    }
    auto word = static_cast<std::int32_t>(seed);
    current.table[0] = static_cast<std::uint32_t>(word);
    for (std::size_t i = 1; i < tableWords; ++i) {
        const std::int32_t high = word / schrageQuotient;
        const std::int32_t low = word % schrageQuotient;
        word = parkMillerFactor * low - schrageRemainder * high;
        if (word < 0) {
            word += parkMillerModulus;
        }
        current.table[i] = static_cast<std::uint32_t>(word);
    }
    current.front = separation;
    for (std::size_t i = 0; i < tableWords * discardedPerWord; ++i) {
        next();
    }
}

int GameRandom::next()
{
    const std::size_t front = current.front;
    const std::size_t rear = (front + tableWords - separation) % tableWords;
    // Unsigned addition wraps as the C library's does; the lowest bit is the least random one.
    const std::uint32_t sum = current.table[front] + current.table[rear];
    current.table[front] = sum;
    current.front = static_cast<std::uint8_t>((front + 1) % tableWords);
    return static_cast<int>(sum >> 1);
}

GameRandom& GameRandom::shared()
{
    return sharedGenerator;
}

int gameRand()
{
    return sharedGenerator.next();
}
