// Paces the main loop to frames of at least 16 ms and measures them; the game's clock.
#pragma once

#include <array>
#include <cstdint>

class FrameTimer {
public:
    static constexpr std::uint32_t minFrameMs = 16;
    static constexpr std::uint32_t ringSize = 10;

    // Where the clock stands between two frames: what a level run starts from, and what sets it
    // back to replay one (rules run on frames divisible by 8, 15 and 30).
    struct State {
        std::uint32_t lastTicks = 0;
        std::uint32_t frameCount = 0;
    };

    FrameTimer();

    // A frame length in seconds: the product is formed in double and then stored, so 40 ms is the
    // float nearest 0.04 (a float product would miss it by a step).
    static float secondsOf(std::uint32_t ms) { return static_cast<float>(ms * 0.001); }

    // Once per frame, first thing in the engine's update.
    void tick();
    State state() const { return State{lastTicks, frameCount}; }
    void setState(const State& state)
    {
        lastTicks = state.lastTicks;
        frameCount = state.frameCount;
    }

    std::array<std::uint32_t, ringSize> frameTimes{};
    std::uint32_t lastTicks;
    std::uint32_t frameCount = 0;
    float fps = 0.0f;
    std::uint32_t frameMs = 0;
    float frameSeconds = 0.0f;
};
