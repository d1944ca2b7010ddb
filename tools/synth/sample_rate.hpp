// What every signal routine shares: the one rate everything is rendered at (the rate the game opens its
// mixer with), and the circle.
#pragma once

namespace synth {

constexpr int sampleRateHz = 44100;
constexpr double sampleSeconds = 1.0 / sampleRateHz;
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 2.0 * pi;

}  // namespace synth
