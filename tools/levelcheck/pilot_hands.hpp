// A person's fingers on the three keys: a change comes a little early or late, a key once pressed
// stays down for a while and once let go stays up for a while. No key flickers for a single frame.
#pragma once

#include <array>
#include <cstdint>

#include "trial_random.hpp"

class PilotHands {
public:
    // 80 ms is about the shortest tap a player makes; a release that short again before the next.
    static constexpr int shortestPressMs = 80;
    static constexpr int shortestGapMs = 80;
    // A change lands up to this much before or after the moment the pilot meant it to.
    static constexpr int jitterMs = 30;

    explicit PilotHands(std::uint64_t seed) : random(seed) {}

    // The keys held in the next frame, while the pilot wants `wanted` (HeldKeys bits).
    std::uint8_t press(std::uint8_t wanted);
    std::uint8_t held() const;

private:
    struct Finger {
        bool down = false;
        int changedAt = -shortestGapMs;  // ms
        bool moving = false;
        int dueAt = 0;  // ms
    };

    std::array<Finger, 3> fingers;
    int nowMs = 0;
    TrialRandom random;
};
