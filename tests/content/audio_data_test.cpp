// The sound data the build makes, checked the way the game uses it: loaded through SDL_mixer opened with the
// game's parameters, and decoded in full to measure length, level and the loop seam of each track.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int mixerRateHz = 44100;
constexpr Uint16 mixerFormat = AUDIO_S16LSB;
constexpr int mixerChannels = 2;
constexpr int mixerChunkSamples = 4096;
constexpr double fullScale = 32768.0;
constexpr double ceilingDb = -1.0;
constexpr double frameSeconds = 0.016;          // the game's frame pace: how fast an effect can be restarted
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

constexpr std::array<EffectLimits, 8> effects = {{
    //  file           shortest  longest  restarted
    {"fanfar.wav",     1.2,      1.8,     true},    // the goal; also each frame a golden roll touches the hat
    {"fart4.wav",      0.05,     0.2,     false},   // replayed every 240 ms of thrust: over before the next
    {"aani1.wav",      0.05,     0.6,     false},
    {"aani4.wav",      0.05,     0.6,     false},
    {"aani5.wav",      0.05,     0.6,     true},    // each frame a dropped item touches the hat
    {"blo.wav",        0.1,      0.8,     false},
    {"pop.wav",        0.02,     0.4,     false},
    {"toks.wav",       0.01,     0.15,    false},   // menu click: over before the next key press
}};

constexpr std::array<const char*, 3> tracks = {"menu.o", "easy.o", "hard.o"};

struct Sound {
    int channels = 0;
    int rateHz = 0;
    std::vector<float> samples;

    std::size_t frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    double seconds() const { return rateHz ? static_cast<double>(frames()) / rateHz : 0.0; }
};

double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-9)); }

double peakDb(const std::vector<float>& s, std::size_t from, std::size_t to) {
    float peak = 0.0f;
    for (std::size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(s[i]));
    return toDb(peak);
}

double rmsDb(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
    return toDb(std::sqrt(sum / static_cast<double>(std::max<std::size_t>(to - from, 1))));
}

double loudestWindowDb(const Sound& sound, double windowSeconds) {
    const std::size_t window = static_cast<std::size_t>(windowSeconds * sound.rateHz) * sound.channels;
    if (sound.samples.size() <= window) return rmsDb(sound.samples, 0, sound.samples.size());
    double loudest = -200.0;
    for (std::size_t from = 0; from + window <= sound.samples.size(); from += window / 4)
        loudest = std::max(loudest, rmsDb(sound.samples, from, from + window));
    return loudest;
}

// The chunk as the mixer holds it: already in the device format it was opened with.
Sound fromChunk(const Mix_Chunk& chunk) {
    Sound sound{mixerChannels, mixerRateHz, {}};
    const auto* pcm = reinterpret_cast<const std::int16_t*>(chunk.abuf);
    sound.samples.reserve(chunk.alen / sizeof(std::int16_t));
    for (Uint32 i = 0; i < chunk.alen / sizeof(std::int16_t); ++i) sound.samples.push_back(static_cast<float>(pcm[i] / fullScale));
    return sound;
}

Sound decodeOgg(const std::string& path) {
    Sound sound;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return sound;
    sound.channels = ov_info(&vf, -1)->channels;
    sound.rateHz = static_cast<int>(ov_info(&vf, -1)->rate);
    char buffer[8192];
    int section = 0;
    long got = 0;
    while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
        for (long i = 0; i + 1 < got; i += 2) {
            const auto value = static_cast<std::int16_t>(static_cast<unsigned char>(buffer[i]) |
                                                         (static_cast<unsigned char>(buffer[i + 1]) << 8));
            sound.samples.push_back(static_cast<float>(value / fullScale));
        }
    }
    ov_clear(&vf);
    return sound;
}

// Rate and sample size straight from the WAV header: the mixer would quietly convert anything else, badly.
std::pair<std::uint32_t, std::uint16_t> wavRateAndBits(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    constexpr std::size_t rateAt = 24, bitsAt = 34, headerBytes = 44;
    if (d.size() < headerBytes) return {0, 0};
    const auto u16 = [&](std::size_t at) { return static_cast<std::uint16_t>(d[at] | (d[at + 1] << 8)); };
    return {static_cast<std::uint32_t>(u16(rateAt) | (u16(rateAt + 2) << 16)), u16(bitsAt)};
}

class SoundData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        mixerOpen = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
                    Mix_OpenAudio(mixerRateHz, mixerFormat, mixerChannels, mixerChunkSamples) == 0;
    }
    static void TearDownTestSuite() {
        if (mixerOpen) Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    void SetUp() override {
        ASSERT_TRUE(mixerOpen) << "the mixer did not open: " << Mix_GetError();
    }

    static Sound loadEffect(const char* file) {
        Mix_Chunk* chunk = Mix_LoadWAV((soundDir + file).c_str());
        if (!chunk) return {};
        Sound sound = fromChunk(*chunk);
        Mix_FreeChunk(chunk);
        return sound;
    }

    static double musicRmsDb() {
        double sum = 0.0;
        for (const char* track : tracks) {
            const Sound music = decodeOgg(soundDir + track);
            sum += rmsDb(music.samples, 0, music.samples.size());
        }
        return sum / tracks.size();
    }

    static bool mixerOpen;
};

bool SoundData::mixerOpen = false;

TEST_F(SoundData, EveryFileLoadsThroughTheMixerAtTheMixerRate) {
    for (const EffectLimits& e : effects) {
        Mix_Chunk* chunk = Mix_LoadWAV((soundDir + e.file).c_str());
        EXPECT_NE(chunk, nullptr) << e.file << ": " << Mix_GetError();
        if (chunk) Mix_FreeChunk(chunk);
        const auto [rate, bits] = wavRateAndBits(soundDir + e.file);
        EXPECT_EQ(rate, static_cast<std::uint32_t>(mixerRateHz)) << e.file;
        EXPECT_EQ(bits, 16) << e.file;
    }
    for (const char* track : tracks) {
        Mix_Music* music = Mix_LoadMUS((soundDir + track).c_str());
        ASSERT_NE(music, nullptr) << track << ": " << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_OGG) << track << " is recognised by its content";
        Mix_FreeMusic(music);
        EXPECT_EQ(decodeOgg(soundDir + track).rateHz, mixerRateHz) << track;
    }
}

TEST_F(SoundData, EffectsAreShortCleanAndBelowClipping) {
    for (const EffectLimits& e : effects) {
        const Sound sound = loadEffect(e.file);
        ASSERT_FALSE(sound.samples.empty()) << e.file;
        EXPECT_GE(sound.seconds(), e.shortestSeconds) << e.file;
        EXPECT_LE(sound.seconds(), e.longestSeconds) << e.file;
        EXPECT_LE(peakDb(sound.samples, 0, sound.samples.size()), ceilingDb) << e.file;
        EXPECT_GE(peakDb(sound.samples, 0, sound.samples.size()), -24.0) << e.file << " is audible";
        const std::size_t fiveMs = static_cast<std::size_t>(0.005 * mixerRateHz) * mixerChannels;
        EXPECT_GT(peakDb(sound.samples, 0, fiveMs), -40.0) << e.file << " starts at once, not after a silence";
        const std::size_t twoMs = static_cast<std::size_t>(0.002 * mixerRateHz) * mixerChannels;
        EXPECT_LT(peakDb(sound.samples, sound.samples.size() - twoMs, sound.samples.size()), -50.0)
            << e.file << " has died away by its end instead of stopping with a click";
    }
}

TEST_F(SoundData, EffectsRestartedOnConsecutiveFramesDoNotClip) {
    for (const EffectLimits& e : effects) {
        if (!e.restartsEveryFrame) continue;
        const Sound sound = loadEffect(e.file);
        ASSERT_FALSE(sound.samples.empty()) << e.file;
        // Each restart lands on a new mixer channel while the earlier copies still play: they add up.
        const std::size_t offset = static_cast<std::size_t>(frameSeconds * mixerRateHz) * mixerChannels;
        std::vector<float> stacked(sound.samples.size() + offset * (restartsInARow - 1), 0.0f);
        for (int copy = 0; copy < restartsInARow; ++copy)
            for (std::size_t i = 0; i < sound.samples.size(); ++i) stacked[i + offset * copy] += sound.samples[i];
        EXPECT_LT(peakDb(stacked, 0, stacked.size()), 0.0) << e.file << " restarted " << restartsInARow << " frames in a row";
    }
}

TEST_F(SoundData, TracksLastAMinuteOrTwoAndLoopWithoutASeam) {
    for (const char* track : tracks) {
        const Sound music = decodeOgg(soundDir + track);
        ASSERT_EQ(music.channels, 2) << track;
        EXPECT_GE(music.seconds(), shortestTrackSeconds) << track;
        EXPECT_LE(music.seconds(), longestTrackSeconds) << track;
        EXPECT_LE(peakDb(music.samples, 0, music.samples.size()), ceilingDb) << track;

        const std::size_t last = music.samples.size() - 2;
        for (std::size_t c = 0; c < 2; ++c) {
            std::vector<float> steps;
            for (std::size_t i = c + 2; i < music.samples.size(); i += 2)
                steps.push_back(std::abs(music.samples[i] - music.samples[i - 2]));
            std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
            const float ordinaryStep = steps[steps.size() * 99 / 100];
            EXPECT_LE(std::abs(music.samples[c] - music.samples[last + c]), ordinaryStep)
                << track << " channel " << c << ": the last sample jumps to the first";
        }
        const std::size_t tenthOfASecond = static_cast<std::size_t>(0.1 * mixerRateHz) * 2;
        EXPECT_GT(rmsDb(music.samples, 0, tenthOfASecond), -45.0) << track << " starts without a gap";
        EXPECT_GT(rmsDb(music.samples, music.samples.size() - tenthOfASecond, music.samples.size()), -45.0)
            << track << " ends without fading into a gap";
    }
}

TEST_F(SoundData, TracksShareALoudnessAndEffectsSitAboveIt) {
    const double music = musicRmsDb();
    for (const char* track : tracks) {
        const Sound sound = decodeOgg(soundDir + track);
        EXPECT_NEAR(rmsDb(sound.samples, 0, sound.samples.size()), music, 2.0) << track;
    }
    for (const EffectLimits& e : effects) {
        const double loudest = loudestWindowDb(loadEffect(e.file), loudnessWindowSeconds);
        EXPECT_GE(loudest - music, 0.0) << e.file << " is heard over the music";
        EXPECT_LE(loudest - music, 12.0) << e.file << " does not drown the music";
    }
}

}  // namespace
