// A single note: the right pitch from every waveform and the same noise for the same note.
#include <gtest/gtest.h>

#include "pitch.hpp"
#include "sample_rate.hpp"
#include "voice.hpp"

namespace synth {
namespace {

Patch plain(Waveform wave)
{
    Patch patch;
    patch.oscillators.push_back({wave, 1.0, 0.0, 0.0, 0.5, 0.0});
    patch.amp = {0.005, 0.0, 0.2, 1.0, 0.05};
    return patch;
}

// Frequency from rising zero crossings in the steady middle of a note.
double measuredHz(const std::vector<float>& s, std::size_t from, std::size_t to)
{
    std::vector<std::size_t> crossings;
    for (std::size_t i = from + 1; i < to; ++i)
        if (s[i - 1] < 0.0f && s[i] >= 0.0f) crossings.push_back(i);
    if (crossings.size() < 2) return 0.0;
    return (crossings.size() - 1) * sampleRateHz / static_cast<double>(crossings.back() - crossings.front());
}

TEST(Pitch, NoteNamesAndFrequencies)
{
    for (const auto& [name, hz] : {std::pair{"A4", 440.0}, {"C4", 261.6256}, {"F#3", 184.9972}, {"300hz", 300.0}})
        EXPECT_NEAR(*parsePitch(name), hz, 1e-4) << name;
    EXPECT_NEAR(*parsePitch("Bb1"), *parsePitch("A#1"), 1e-9);
    for (const char* bad : {"H4", "C", "C#", "Cb", "C10", "-5hz", "hz", "0hz", "4", "C4x"})
        EXPECT_FALSE(parsePitch(bad)) << bad;
}

TEST(Voice, EveryWaveformSoundsAtItsPitchAndNoiseRepeats)
{
    for (Waveform wave : {Waveform::Sine, Waveform::Triangle, Waveform::Square, Waveform::Saw})
        EXPECT_NEAR(measuredHz(Voice(plain(wave), {220.0, 0.5, 1.0, 1}).render(), 4410, 17640), 220.0, 0.5)
            << static_cast<int>(wave);
    // The same note renders the same noise: the build's output does not change from run to run.
    const auto noise = [](std::uint32_t seed) { return Voice(plain(Waveform::Noise), {100, 0.05, 1, seed}).render(); };
    EXPECT_EQ(noise(3), noise(3));
    EXPECT_NE(noise(3), noise(4));
}

}  // namespace
}  // namespace synth
