// Fractions of a time interval and half-sine pulses, the shared shape of every fade, ramp and pulse.
#pragma once

#include <cstdint>

// 0 up to start, rising linearly to 1 at end. Start is compared as a signed value, so a start that
// lies after now (an object born later than the frame's clock) counts as not yet begun.
float elapsedFraction(int now, std::uint32_t start, int end);

// 0 at or below lo, 1 at or above hi, linear between.
float clampedFraction(float v, float lo, float hi);

// A half sine over the interval, scaled by gain and clamped to [0, 1]; 0 outside the interval.
float sinePulse(int now, std::uint32_t start, int end, float gain);
