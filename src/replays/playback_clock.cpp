#include "replays/playback_clock.hpp"

std::uint32_t PlaybackClock::ticks()
{
    if (next < reads.size()) {
        return reads[next++];
    }
    overran = true;
    return reads.empty() ? startTicks : reads.back();
}
