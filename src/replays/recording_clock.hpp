// A clock that hands out another clock's values and notes each one, in order, while it records.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/tick_source.hpp"

class RecordingClock final : public TickSource {
public:
    explicit RecordingClock(TickSource& source) : inner(source) {}

    std::uint32_t ticks() override;
    // Sleeping reads nothing: the frame timer reads the clock again afterwards.
    void delay(std::uint32_t ms) override { inner.delay(ms); }

    // Reads go on passing through once stopped; they are no longer noted.
    bool recording = true;
    std::vector<std::uint32_t> reads;

private:
    TickSource& inner;
};
