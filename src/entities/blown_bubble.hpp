// A bubble from a blower: blown sideways at first, the drift dying away, then rising like any
// other. Its phase holds the sideways speed, which the blower sets.
#pragma once

#include "entities/bubble.hpp"

class BlownBubble : public Bubble {
public:
    static constexpr float blowPixelsPerSecond = 500.0f;
    // The sideways speed keeps this much of itself every frame.
    static constexpr float driftKeptPerFrame = 0.8f;

    BlownBubble(int x, int y);

    void update(GameEngine* engine) override;
};
