// The sound system against the real mixer: SDL's disk driver writes everything the mixer plays to a
// file, which the tests read back and listen to.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/sound_system.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

constexpr int framesPerMs = 44;  // 44100 Hz, rounded down: only used for tolerances
constexpr int tonePeak = 8000;
constexpr int chunkBytes = 4096 * 4;  // 4096 stereo 16-bit frames

// Sets an environment variable for the life of the object, then puts back what was there.
class ScopedEnv {
public:
    ScopedEnv(const char* variable, const std::string& value) : name(variable)
    {
        if (const char* old = std::getenv(variable)) {
            previous = old;
        }
        setenv(variable, value.c_str(), 1);
    }
    ~ScopedEnv() { previous ? setenv(name, previous->c_str(), 1) : unsetenv(name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

// Counted on the mixer's thread after each buffer is mixed, just before the driver writes it.
std::atomic<long> mixedFrames{0};
std::atomic<int> largestBuffer{0};

void countMixed(void*, Uint8*, int bytes)
{
    mixedFrames += bytes / 4;
    largestBuffer = std::max(largestBuffer.load(), bytes);
}

const std::vector<std::string> effectNames{"fanfar.wav", "fart4.wav", "aani1.wav", "aani4.wav",
                                           "aani5.wav",  "blo.wav",   "pop.wav",   "toks.wav"};
const std::vector<std::string> trackNames{"menu.o", "easy.o", "hard.o"};

struct Output {
    std::vector<std::int16_t> samples;  // interleaved left, right

    long frames() const { return static_cast<long>(samples.size() / 2); }
    int peak(long fromFrame, long toFrame) const
    {
        int loudest = 0;
        for (long f = std::max(0L, fromFrame); f < std::min(toFrame, frames()); ++f) {
            for (int c = 0; c < 2; ++c) {
                loudest = std::max(loudest, std::abs(static_cast<int>(samples[static_cast<std::size_t>(2 * f + c)])));
            }
        }
        return loudest;
    }
    bool silent() const { return peak(0, frames()) == 0; }
    long soundingFrames() const
    {
        long count = 0;
        for (long f = 0; f < frames(); ++f) {
            count += samples[static_cast<std::size_t>(2 * f)] != 0 ? 1 : 0;
        }
        return count;
    }
    long lastSoundingFrame() const
    {
        for (long f = frames() - 1; f >= 0; --f) {
            if (samples[static_cast<std::size_t>(2 * f)] != 0) {
                return f;
            }
        }
        return -1;
    }
};

class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError(); }
    void TearDown() override
    {
        sound.close();  // a second close must be harmless
        SDL_Quit();
    }

    std::string outputPath() const { return dir.path() + "/out.raw"; }

    // Every sound file, tone-filled, except the one named missing.
    static void writeSoundFiles(int effectMs, int trackMs, const std::string& missing = "")
    {
        for (const std::string& name : effectNames) {
            if (name != missing) {
                writeWav("data/sound/" + name, effectMs, tonePeak);
            }
        }
        for (const std::string& name : trackNames) {
            writeWav("data/sound/" + name, trackMs, tonePeak);
        }
    }

    std::string start()
    {
        const std::string log = logOf([&] { sound.init(); });
        mixedFrames = 0;
        largestBuffer = 0;
        Mix_SetPostMix(countMixed, nullptr);
        return log;
    }

    // Waits, by the mixer's own clock, until the condition holds; false if it did not within limitMs.
    static bool mixUntil(const std::function<bool()>& done, int limitMs)
    {
        const long limit = mixedFrames + static_cast<long>(limitMs) * framesPerMs;
        const Uint32 wallLimit = SDL_GetTicks() + 30000;
        while (!done()) {
            if (mixedFrames >= limit || SDL_GetTicks() > wallLimit) {
                return false;
            }
            SDL_Delay(2);
        }
        return true;
    }
    static void mixFor(int ms) { mixUntil([] { return false; }, ms); }

    // Closes the device, which flushes the driver's file, and reads what was played.
    Output played()
    {
        Mix_SetPostMix(nullptr, nullptr);
        sound.close();
        const std::vector<std::uint8_t> bytes = readFile(outputPath());
        Output out;
        out.samples.resize(bytes.size() / 2);
        for (std::size_t i = 0; i < out.samples.size(); ++i) {
            out.samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        return out;
    }

    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "disk"};
    ScopedEnv file{"SDL_DISKAUDIOFILE", outputPath()};
    // A short pause between buffers: the mixer runs many times faster than real time.
    ScopedEnv pause{"SDL_DISKAUDIODELAY", "5"};
    SoundSystem sound;
};

std::string loadedLine(const std::string& name)
{
    return "  Loaded: ./data/sound/" + name + "\n";
}

TEST_F(SoundSystemTest, InitOpensTheMixerAsAskedAndLoadsTheFilesInOrder)
{
    writeSoundFiles(100, 100);
    const std::string log = start();
    EXPECT_EQ(log.rfind("  Mixer opened with specs:\n   Frequency: 44100\n   Channels: 2\n" + loadedLine("fanfar.wav"), 0), 0u)
        << log;
    EXPECT_EQ(log.substr(log.size() - loadedLine("hard.o").size()), loadedLine("hard.o"));
    EXPECT_FALSE(sound.audioBroken);
    mixFor(300);
    EXPECT_EQ(largestBuffer.load(), chunkBytes) << "4096-sample chunks";
}

TEST_F(SoundSystemTest, AnEffectIsHeardExactlyOnce)
{
    writeSoundFiles(300, 100);
    start();
    ::testing::internal::CaptureStdout();
    sound.playSound(7);
    EXPECT_TRUE(mixUntil([] { return Mix_Playing(-1) == 0; }, 2000)) << "a 300 ms sound ends";
    mixFor(500);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    const Output out = played();
    EXPECT_GE(out.peak(0, out.frames()), tonePeak / 2);
    EXPECT_NEAR(out.soundingFrames(), 300 * framesPerMs, 20 * framesPerMs) << "played once, not looped";
}

TEST_F(SoundSystemTest, SwitchedOffOrAskedForABadIndexNothingPlaysAndNothingIsSaid)
{
    writeSoundFiles(300, 1000);
    start();
    ::testing::internal::CaptureStdout();
    sound.soundOff = true;
    sound.musicOff = true;
    sound.playSound(7);
    sound.playMusic(0);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "even with nothing else playing";
    sound.soundOff = false;
    sound.musicOff = false;
    for (int bad : {-1, 8}) {
        sound.playSound(bad);
    }
    for (int bad : {-1, 3}) {
        sound.playMusic(bad);
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    mixFor(500);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(played().silent());
}

TEST_F(SoundSystemTest, AMissingEffectIsLoggedTheRestLoadsAndTheWholeRunStaysSilent)
{
    writeSoundFiles(300, 1000, "aani4.wav");
    const std::string log = start();
    const std::size_t failureAt = log.find(loadedLine("aani1.wav") + "  Mix_LoadWAV: ");
    ASSERT_NE(failureAt, std::string::npos) << "the failure in its place: " << log;
    const std::size_t reasonAt = failureAt + loadedLine("aani1.wav").size() + std::string("  Mix_LoadWAV: ").size();
    EXPECT_NE(log[reasonAt], '\n') << "the line carries SDL's reason";
    std::size_t loaded = 0;
    for (std::size_t at = log.find("  Loaded: "); at != std::string::npos; at = log.find("  Loaded: ", at + 1)) {
        ++loaded;
    }
    EXPECT_EQ(loaded, 10u) << log;
    EXPECT_TRUE(sound.audioBroken);

    for (int effect = 0; effect < SoundSystem::effectCount; ++effect) {
        sound.playSound(effect);
    }
    sound.playMusic(0);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    mixFor(500);
    EXPECT_TRUE(played().silent());
}

TEST_F(SoundSystemTest, MusicFadesInOverOneAndAHalfSecondsAndLoopsForever)
{
    writeSoundFiles(100, 500);
    start();
    // Holding the mixer keeps it from running ahead between the count and the call.
    SDL_LockAudio();
    const long begin = mixedFrames;
    sound.playMusic(1);
    SDL_UnlockAudio();
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    mixFor(3000);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "a 500 ms track still plays after 3 s";
    const Output out = played();
    const int early = out.peak(begin, begin + 200 * framesPerMs);
    const int late = out.peak(begin + 2000 * framesPerMs, begin + 2500 * framesPerMs);
    EXPECT_GE(late, tonePeak / 2);
    EXPECT_LT(early, late / 3) << "the first 200 ms are still fading in";
    EXPECT_LT(early, tonePeak / 3);
}

TEST_F(SoundSystemTest, ANegativeFadeTakesTheDefaultAndACallDuringTheFadeOutChangesNothing)
{
    writeSoundFiles(100, 3000);
    start();
    sound.playMusic(0);
    ASSERT_TRUE(mixUntil([] { return Mix_FadingMusic() == MIX_NO_FADING; }, 2500));
    SDL_LockAudio();
    const long fadeStart = mixedFrames;
    sound.fadeOutMusic(-5);
    SDL_UnlockAudio();
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    sound.fadeOutMusic(0);  // the mixer itself would halt at once
    sound.fadeOutMusic(100);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    ASSERT_TRUE(mixUntil([] { return Mix_PlayingMusic() == 0; }, 3000));
    const Output out = played();
    const long fadeFrames = out.lastSoundingFrame() - fadeStart;
    EXPECT_NEAR(fadeFrames, 1500 * framesPerMs, 200 * framesPerMs);
    EXPECT_LT(out.peak(fadeStart + 1300 * framesPerMs, out.frames()), out.peak(fadeStart - 300 * framesPerMs, fadeStart) / 2)
        << "the music fades out rather than stopping";
}

TEST_F(SoundSystemTest, AFadeOutDuringTheFadeInStopsTheMusicAtOnce)
{
    writeSoundFiles(100, 3000);
    start();
    sound.fadeOutMusic(300);  // nothing plays yet: nothing happens
    sound.playMusic(0);
    ASSERT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    sound.fadeOutMusic(500);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    sound.playMusic(2);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "the next track starts as usual";
}

TEST_F(SoundSystemTest, ASeventeenthEffectWhileSixteenSoundIsDroppedWithItsMessage)
{
    writeSoundFiles(3000, 100);
    start();
    ::testing::internal::CaptureStdout();
    for (int i = 0; i < 16; ++i) {
        sound.playSound(i % SoundSystem::effectCount);
    }
    EXPECT_EQ(Mix_Playing(-1), 16);
    sound.playSound(3);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Mix_PlayChannel: No free channels available\n");
    EXPECT_EQ(Mix_Playing(-1), 16);
}

TEST(SoundSystemNoDeviceTest, WithoutAnAudioDeviceTheGameRunsSilentAndSaysWhy)
{
    TempDir dir;
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    SDL_Init(SDL_INIT_AUDIO);
    for (const std::string& name : effectNames) {
        writeWav("data/sound/" + name, 100, tonePeak);
    }
    SoundSystem sound;
    const std::string log = logOf([&] { sound.init(); });
    EXPECT_EQ(log.rfind("  Mix_OpenAudio: ", 0), 0u) << log;
    EXPECT_EQ(log.find("Mixer opened"), std::string::npos);
    EXPECT_NE(log.find("  Mix_LoadWAV: "), std::string::npos) << log;
    EXPECT_NE(log.find(" Mix_LoadMUS: "), std::string::npos) << "the tracks are missing too";
    EXPECT_TRUE(sound.audioBroken);

    ::testing::internal::CaptureStdout();
    sound.playSound(0);
    sound.playMusic(0);
    sound.fadeOutMusic(-1);
    sound.close();
    sound.close();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    SDL_Quit();
}

}  // namespace
