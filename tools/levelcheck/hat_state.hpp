// What a pilot reckons with about the hat: where it is, how it moves and turns, its gas meter.
// A plain copy, so that a pilot can keep what it saw a moment ago and move it on in its head.
#pragma once

#include <cstdint>

class Hat;

struct HatState {
    static constexpr float halfSize = 15.0f;

    static HatState of(const Hat& hat);

    float centerX() const { return x + halfSize; }
    float centerY() const { return y + halfSize; }
    std::int32_t margin() const { return capacity - pressure; }

    // The top-left corner of the 30 x 30 box, level pixels.
    float x = 0.0f;
    float y = 0.0f;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    float angle = 0.0f;
    float angularVelocity = 0.0f;
    std::int32_t pressure = 0;
    std::int32_t capacity = 0;
    bool hardMode = false;
    bool carried = false;
};
