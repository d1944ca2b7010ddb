// A clock that hands out the values a recording noted, in the same order, and never sleeps.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/tick_source.hpp"

class PlaybackClock final : public TickSource {
public:
    // The start is the clock as the run began, where its reads count from.
    PlaybackClock(const std::vector<std::uint32_t>& recorded, std::uint32_t start) : reads(recorded), startTicks(start)
    {}

    // Past the end it repeats the last value (the start, for a run with none) and notes the
    // overrun: the run has left its recording.
    std::uint32_t ticks() override;
    void delay(std::uint32_t /*ms*/) override {}

    bool overrun() const { return overran; }
    std::size_t used() const { return next; }

private:
    const std::vector<std::uint32_t>& reads;
    std::uint32_t startTicks;
    std::size_t next = 0;
    bool overran = false;
};
