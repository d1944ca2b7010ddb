#include "replays/replay.hpp"

#include <cstring>

namespace {

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

bool ReplaySample::operator==(const ReplaySample& other) const
{
    return bitsOf(x) == bitsOf(other.x) && bitsOf(y) == bitsOf(other.y) && bitsOf(angle) == bitsOf(other.angle) &&
           levelTime == other.levelTime;
}
