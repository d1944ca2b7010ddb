// A clock that only moves when told to: sleeping advances it by the time slept. Installed as the
// tick source, it makes the frame timer produce exact frame lengths without waiting.
#pragma once

#include "engine/tick_source.hpp"

class ManualClock final : public TickSource {
public:
    explicit ManualClock(std::uint32_t startMs = 0) : now(startMs) {}

    std::uint32_t ticks() override { return now; }
    void delay(std::uint32_t ms) override { now += ms; }
    void advance(std::uint32_t ms) { now += ms; }

    std::uint32_t now;
};
