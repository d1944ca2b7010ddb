// The built sounds as the game's mixer plays them, and the tracks decoded in full: length, level, loop seam.
#include <gtest/gtest.h>

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace {

constexpr int mixerRateHz = 44100;
constexpr double ceilingDb = -1.0;
constexpr double frameSeconds = 0.016;  // the game's frame pace: how fast an effect can be restarted
constexpr int restartsInARow = 4;
constexpr double shortestTrackSeconds = 60.0;
constexpr double longestTrackSeconds = 120.0;
constexpr double loudnessWindowSeconds = 0.05;

const std::string soundDir = std::string(FEZZLE_DATA_DIR) + "/sound/";

struct EffectLimits {
    const char* file;
    double shortestSeconds;
    double longestSeconds;
    bool restartsEveryFrame;  // played again on every frame of a contact
};

// clang-format off
constexpr EffectLimits effects[] = {
    //  file           shortest  longest  restarted
    {"fanfar.wav",     1.2,      1.8,     true},    // the goal; also each frame a golden roll touches the hat
    {"fart4.wav",      0.05,     0.2,     false},   // replayed every 240 ms of thrust: over before the next
    {"aani1.wav",      0.05,     0.6,     false},
    {"aani4.wav",      0.05,     0.6,     false},
    {"aani5.wav",      0.05,     0.6,     true},    // each frame a dropped item touches the hat
    {"blo.wav",        0.1,      0.8,     false},
    {"pop.wav",        0.02,     0.4,     false},
    {"toks.wav",       0.01,     0.15,    false},   // menu click: over before the next key press
};
// clang-format on

constexpr const char* tracks[] = {"menu.o", "easy.o", "hard.o"};

struct Sound {
    int channels = 0;
    int rateHz = 0;
    std::vector<float> samples;  // interleaved, full scale 1

    double seconds() const { return static_cast<double>(samples.size()) / channels / rateHz; }
    std::size_t samplesIn(double s) const { return static_cast<std::size_t>(s * rateHz) * channels; }
};

double toDb(double level)
{
    return 20.0 * std::log10(std::max(level, 1e-9));
}

double peakDb(const std::vector<float>& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    float peak = 0.0f;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i) peak = std::max(peak, std::abs(s[i]));
    return toDb(peak);
}

double rmsDb(const std::vector<float>& s, std::size_t from = 0, std::size_t to = SIZE_MAX)
{
    to = std::min(to, s.size());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
    return toDb(std::sqrt(sum / static_cast<double>(std::max<std::size_t>(to - from, 1))));
}

double loudestWindowDb(const Sound& sound)
{
    const std::size_t window = sound.samplesIn(loudnessWindowSeconds);
    double loudest = rmsDb(sound.samples, 0, window);
    for (std::size_t from = 0; from + window <= sound.samples.size(); from += window / 4)
        loudest = std::max(loudest, rmsDb(sound.samples, from, from + window));
    return loudest;
}

void appendPcm16(std::vector<float>& out, const void* bytes, std::size_t count)
{
    const auto* pcm = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i + 1 < count; i += 2)
        out.push_back(static_cast<float>(static_cast<std::int16_t>(pcm[i] | (pcm[i + 1] << 8)) / 32768.0));
}

// Read as the mixer reads it. At the mixer's own rate and 16-bit format it reaches the mixer as it is (only a mono
// file is doubled to both sides); anything else the mixer would quietly convert, badly, so it reads as no sound.
Sound loadEffect(const char* file)
{
    Sound sound;
    SDL_AudioSpec spec{};
    Uint8* bytes = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV((soundDir + file).c_str(), &spec, &bytes, &length)) return sound;
    sound.channels = spec.channels;
    sound.rateHz = spec.freq;
    if (spec.format == AUDIO_S16LSB) appendPcm16(sound.samples, bytes, length);
    SDL_FreeWAV(bytes);
    return sound;
}

Sound decodeOgg(const char* track)
{
    Sound sound;
    OggVorbis_File vf;
    if (ov_fopen((soundDir + track).c_str(), &vf) != 0) return sound;
    sound.channels = ov_info(&vf, -1)->channels;
    sound.rateHz = static_cast<int>(ov_info(&vf, -1)->rate);
    char buffer[8192];
    int section = 0;
    for (long got = 0; (got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0;)
        appendPcm16(sound.samples, buffer, static_cast<std::size_t>(got));
    ov_clear(&vf);
    return sound;
}

TEST(SoundData, EffectsAreAtTheMixerRateShortCleanAndBelowClipping)
{
    for (const EffectLimits& e : effects) {
        const Sound sound = loadEffect(e.file);
        ASSERT_TRUE(!sound.samples.empty() && sound.rateHz == mixerRateHz)
            << e.file << " is not 16-bit at 44100 Hz: " << SDL_GetError();
        const std::vector<float>& s = sound.samples;
        EXPECT_TRUE(sound.seconds() >= e.shortestSeconds && sound.seconds() <= e.longestSeconds)
            << e.file << " lasts " << sound.seconds() << " s";
        EXPECT_LE(peakDb(s), ceilingDb) << e.file;
        EXPECT_GT(peakDb(s, 0, sound.samplesIn(0.005)), -40.0) << e.file << " starts at once, not after a silence";
        EXPECT_LT(peakDb(s, s.size() - sound.samplesIn(0.002)), -50.0) << e.file << " ends in a click";
        // Each restart lands on a new mixer channel while the earlier copies still play: they add up.
        const std::size_t offset = sound.samplesIn(frameSeconds);
        std::vector<float> stacked(s.size() + offset * (restartsInARow - 1), 0.0f);
        for (int copy = 0; e.restartsEveryFrame && copy < restartsInARow; ++copy)
            for (std::size_t i = 0; i < s.size(); ++i) stacked[i + offset * copy] += s[i];
        EXPECT_LT(peakDb(stacked), 0.0) << e.file << " restarted " << restartsInARow << " frames in a row";
    }
}

TEST(SoundData, TracksLoopWithoutASeamAtOneLoudnessAndEffectsSitAboveIt)
{
    std::vector<double> trackDb;
    for (const char* track : tracks) {
        const Sound music = decodeOgg(track);
        const std::vector<float>& s = music.samples;
        ASSERT_TRUE(music.channels == 2 && music.rateHz == mixerRateHz) << track << " is not stereo at 44100 Hz";
        EXPECT_TRUE(music.seconds() >= shortestTrackSeconds && music.seconds() <= longestTrackSeconds) << track;
        EXPECT_LE(peakDb(s), ceilingDb) << track;
        for (std::size_t c = 0; c < 2; ++c) {
            std::vector<float> steps;
            for (std::size_t i = c + 2; i < s.size(); i += 2) steps.push_back(std::abs(s[i] - s[i - 2]));
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
            EXPECT_LE(std::abs(s[c] - s[s.size() - 2 + c]), steps[steps.size() * 99 / 100])
                << track << " channel " << c << ": the last sample jumps to the first";
        }
        const std::size_t tenthOfASecond = music.samplesIn(0.1);
        EXPECT_GT(std::min(rmsDb(s, 0, tenthOfASecond), rmsDb(s, s.size() - tenthOfASecond)), -45.0)
            << track << " starts or ends in a gap";
        trackDb.push_back(rmsDb(s));
    }
    const double music = std::accumulate(trackDb.begin(), trackDb.end(), 0.0) / std::size(tracks);
    for (std::size_t t = 0; t < std::size(tracks); ++t) EXPECT_NEAR(trackDb[t], music, 2.0) << tracks[t];
    for (const EffectLimits& e : effects) {
        const double above = loudestWindowDb(loadEffect(e.file)) - music;
        EXPECT_TRUE(above >= 0.0 && above <= 12.0) << e.file << " is " << above << " dB above the music";
    }
}

}  // namespace
