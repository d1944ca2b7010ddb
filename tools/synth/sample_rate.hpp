// The one rate everything is rendered at: the rate the game opens its mixer with.
#pragma once

namespace synth {

constexpr int sampleRateHz = 44100;
constexpr double sampleSeconds = 1.0 / sampleRateHz;

}  // namespace synth
