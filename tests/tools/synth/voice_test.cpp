// A single note as the player hears it: the right pitch, no click at either end, the envelope's length.
#include <gtest/gtest.h>

#include <cmath>

#include "pitch.hpp"
#include "sample_rate.hpp"
#include "voice.hpp"

namespace synth {
namespace {

Patch plain(Waveform wave) {
    Patch patch;
    patch.oscillators.push_back({wave, 1.0, 0.0, 0.0, 0.5, 0.0});
    patch.amp = {0.005, 0.0, 0.2, 1.0, 0.05};
    return patch;
}

// Frequency from rising zero crossings in the steady middle of a note.
double measuredHz(const std::vector<float>& s, std::size_t from, std::size_t to) {
    std::size_t first = 0, last = 0, crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        if (s[i - 1] < 0.0f && s[i] >= 0.0f) {
            if (crossings == 0) first = i;
            last = i;
            ++crossings;
        }
    }
    return crossings < 2 ? 0.0 : (crossings - 1) * sampleRateHz / static_cast<double>(last - first);
}

TEST(Pitch, NoteNamesAndFrequencies) {
    EXPECT_NEAR(*parsePitch("A4"), 440.0, 1e-9);
    EXPECT_NEAR(*parsePitch("C4"), 261.6256, 1e-3);
    EXPECT_NEAR(*parsePitch("F#3"), 184.9972, 1e-3);
    EXPECT_NEAR(*parsePitch("Bb1"), *parsePitch("A#1"), 1e-9);
    EXPECT_NEAR(*parsePitch("300hz"), 300.0, 1e-9);
    for (const char* bad : {"H4", "C", "C#", "Cb", "C10", "-5hz", "hz", "0hz", "4", "C4x"})
        EXPECT_FALSE(parsePitch(bad)) << bad;
}

TEST(Voice, EveryWaveformSoundsAtItsPitch) {
    for (Waveform wave : {Waveform::Sine, Waveform::Triangle, Waveform::Square, Waveform::Saw}) {
        const Patch patch = plain(wave);
        const std::vector<float> s = Voice(patch, {220.0, 0.5, 1.0, 1}).render();
        EXPECT_NEAR(measuredHz(s, 4410, 17640), 220.0, 0.5) << static_cast<int>(wave);
    }
}

TEST(Voice, TransposedAndGlidingNotesLandOnTheirPitch) {
    Patch patch = plain(Waveform::Sine);
    patch.glideSemitones = 12.0;
    patch.glideSeconds = 0.01;
    const std::vector<float> s = Voice(patch, {transposed(220.0, 7), 0.6, 1.0, 1}).render();
    EXPECT_NEAR(measuredHz(s, 8820, 22050), 329.63, 0.5);
    EXPECT_GT(measuredHz(s, 0, 220), 1.3 * 329.63) << "the glide starts well above the note";
}

TEST(Voice, StartsAndEndsWithoutAClick) {
    // A full-level square switched on and off hard is the worst case for clicks.
    for (Waveform wave : {Waveform::Square, Waveform::Saw, Waveform::Noise}) {
        Patch patch = plain(wave);
        patch.amp = {0.0, 0.0, 0.1, 1.0, 0.0};
        const std::vector<float> s = Voice(patch, {440.0, 0.05, 1.0, 7}).render();
        ASSERT_GT(s.size(), 100u);
        EXPECT_LT(std::abs(s.front()), 0.01f);
        EXPECT_LT(std::abs(s[5]), 0.15f) << "the attack ramps in over a millisecond or more";
        EXPECT_LT(std::abs(s.back()), 0.01f);
        float peak = 0.0f;
        for (float v : s) peak = std::max(peak, std::abs(v));
        EXPECT_LE(peak, 1.2f) << "band limiting overshoots only a little";
    }
}

TEST(Voice, LengthFollowsGateReleaseAndDecay) {
    Patch held = plain(Waveform::Sine);
    held.amp = {0.01, 0.0, 0.1, 0.5, 0.2};
    EXPECT_NEAR(Voice(held, {440.0, 0.3, 1.0, 1}).render().size() / double(sampleRateHz), 0.5, 0.001);

    Patch plucked = held;
    plucked.amp.sustainLevel = 0.0;
    const double pluckSeconds = Voice(plucked, {440.0, 2.0, 1.0, 1}).render().size() / double(sampleRateHz);
    EXPECT_LT(pluckSeconds, 0.3) << "a note without sustain ends when it has died away, not at its gate";
}

TEST(Voice, SameNoteRendersTheSameNoise) {
    const Patch patch = plain(Waveform::Noise);
    EXPECT_EQ(Voice(patch, {100.0, 0.05, 1.0, 3}).render(), Voice(patch, {100.0, 0.05, 1.0, 3}).render());
    EXPECT_NE(Voice(patch, {100.0, 0.05, 1.0, 3}).render(), Voice(patch, {100.0, 0.05, 1.0, 4}).render());
}

}  // namespace
}  // namespace synth
