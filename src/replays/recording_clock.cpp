#include "replays/recording_clock.hpp"

std::uint32_t RecordingClock::ticks()
{
    const std::uint32_t now = inner.ticks();
    if (recording) {
        reads.push_back(now);
    }
    return now;
}
