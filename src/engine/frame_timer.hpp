// Paces the main loop to frames of at least 16 ms and measures them; the game's clock.
#pragma once

#include <array>
#include <cstdint>

class FrameTimer {
public:
    static constexpr std::uint32_t minFrameMs = 16;
    static constexpr std::uint32_t ringSize = 10;

    FrameTimer();

    // Once per frame, first thing in the engine's update.
    void tick();

    std::array<std::uint32_t, ringSize> frameTimes{};
    std::uint32_t lastTicks;
    std::uint32_t frameCount = 0;
    float fps = 0.0f;
    std::uint32_t frameMs = 0;
    float frameSeconds = 0.0f;
};
