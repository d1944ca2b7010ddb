// The sound system against the real mixer: SDL's disk driver writes everything the mixer plays to a
// file, which the tests read back and listen to.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <string>

#include "audio/sound_system.hpp"
#include "support/mixed_sound.hpp"
#include "support/scoped_env.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

constexpr int tonePeak = 8000;
constexpr int chunkBytes = 4096 * 4;  // 4096 stereo 16-bit frames

// Every sound file the system asks for, tone-filled, except the one named missing.
void writeSoundFiles(int effectMs, int trackMs, const std::string& missing = "")
{
    const SoundSystem names;
    for (const char* name : names.effectFiles) {
        if (name != missing) writeWav(std::string("data/sound/") + name, effectMs, tonePeak);
    }
    for (const char* name : names.musicFiles) writeWav(std::string("data/sound/") + name, trackMs, tonePeak);
}

class SoundSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError(); }
    void TearDown() override
    {
        sound.close();  // a second close must be harmless
        SDL_Quit();
    }

    std::string start()
    {
        const std::string log = logOf([&] { sound.init(); });
        countMixing();
        return log;
    }

    // Closes the device, which flushes the driver's file, and reads what was played.
    MixedOutput played()
    {
        sound.close();
        return MixedOutput::readFrom(dir.path() + "/out.raw");
    }

    TempDir dir;
    DiskAudio disk{dir.path() + "/out.raw"};
    SoundSystem sound;
};

TEST_F(SoundSystemTest, InitOpensTheMixerAsAskedAndEffectsAreHeardOnceUpToSixteenAtATimeButNotWhenOffOrBadIndex)
{
    writeSoundFiles(300, 1000);
    start();  // its log is in the end-to-end start test's whole start-up log
    EXPECT_FALSE(sound.audioBroken);
    EXPECT_EQ(logOf([&] {
                  sound.soundOff = sound.musicOff = true;
                  sound.playSound(7);
                  sound.playMusic(0);
                  sound.soundOff = sound.musicOff = false;
                  for (int bad : {-1, 8}) {
                      sound.playSound(bad);
                      sound.playMusic(bad == 8 ? 3 : bad);
                  }
                  EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0) << "even with nothing else playing";
                  // Seventeen at once, held in one mixer moment: the last finds no free channel.
                  SDL_LockAudio();
                  for (int i = 0; i < 17; ++i) sound.playSound(i % SoundSystem::effectCount);
                  SDL_UnlockAudio();
                  EXPECT_EQ(Mix_Playing(-1), 16);
                  EXPECT_TRUE(mixUntil([] { return Mix_Playing(-1) == 0; }, 2000)) << "a 300 ms sound ends";
                  mixFor(500);
              }),
              "Mix_PlayChannel: No free channels available\n");
    EXPECT_EQ(largestBuffer.load(), chunkBytes) << "4096-sample chunks";
    const MixedOutput out = played();
    EXPECT_GE(out.peak(0, out.frames()), tonePeak / 2);
    EXPECT_NEAR(out.soundingFrames(), 300 * framesPerMs, 20 * framesPerMs) << "played once, not looped";
}

TEST_F(SoundSystemTest, AMissingEffectIsLoggedTheRestLoadsAndTheWholeRunStaysSilent)
{
    writeSoundFiles(300, 1000, "aani4.wav");
    const std::string log = start();
    EXPECT_NE(log.find("aani1.wav\n  Mix_LoadWAV: "), std::string::npos) << "in its place: " << log;
    EXPECT_NE(log.find("  Loaded: ./data/sound/aani5.wav\n"), std::string::npos) << "the rest loads";
    EXPECT_TRUE(sound.audioBroken);
    for (int effect = 0; effect < SoundSystem::effectCount; ++effect) sound.playSound(effect);
    sound.playMusic(0);
    EXPECT_EQ(Mix_Playing(-1) + Mix_PlayingMusic(), 0);
}

TEST_F(SoundSystemTest, MusicFadesInLoopsForeverAndFadesOutOnceButAFadeOutDuringTheFadeInStopsIt)
{
    writeSoundFiles(100, 500);
    start();
    sound.fadeOutMusic(300);  // nothing plays yet: nothing happens
    sound.playMusic(0);
    ASSERT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    sound.fadeOutMusic(500);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "stopped at once while fading in";
    // Holding the mixer keeps it from running ahead between the count and the call.
    SDL_LockAudio();
    const long begin = mixedFrames;
    sound.playMusic(1);
    SDL_UnlockAudio();
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN) << "the next track starts as usual";
    mixFor(3000);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "a 500 ms track still plays after 3 s";
    SDL_LockAudio();
    const long fadeStart = mixedFrames;
    sound.fadeOutMusic(-5);  // the default fade
    SDL_UnlockAudio();
    sound.fadeOutMusic(0);  // the mixer itself would halt at once
    sound.fadeOutMusic(100);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    ASSERT_TRUE(mixUntil([] { return Mix_PlayingMusic() == 0; }, 3000));
    const MixedOutput out = played();
    const int early = out.peak(begin, begin + 200 * framesPerMs);
    const int late = out.peak(begin + 2000 * framesPerMs, begin + 2500 * framesPerMs);
    EXPECT_GE(late, tonePeak / 2);
    EXPECT_LT(early, late / 3) << "the first 200 ms are still fading in";
    EXPECT_LT(early, tonePeak / 3);
    EXPECT_NEAR(out.lastSoundingFrame() - fadeStart, 1500 * framesPerMs, 200 * framesPerMs);
    EXPECT_LT(out.peak(fadeStart + 1300 * framesPerMs, out.frames()), late / 2)
        << "the music fades out rather than stopping";
}

TEST_F(SoundSystemTest, WithoutAnAudioDeviceTheGameRunsSilentAndSaysWhy)
{
    SDL_Quit();
    ScopedEnv driver{"SDL_AUDIODRIVER", "no-such-driver"};
    SDL_Init(SDL_INIT_AUDIO);
    for (const char* name : sound.effectFiles) writeWav(std::string("data/sound/") + name, 100, tonePeak);
    const std::string log = logOf([&] { sound.init(); });
    EXPECT_EQ(log.rfind("  Mix_OpenAudio: ", 0), 0u) << log;
    EXPECT_EQ(log.find("Mixer opened"), std::string::npos);
    EXPECT_NE(log.find("  Mix_LoadWAV: "), std::string::npos) << log;
    EXPECT_NE(log.find(" Mix_LoadMUS: "), std::string::npos) << "the tracks are missing too";
    EXPECT_TRUE(sound.audioBroken);
    EXPECT_EQ(logOf([&] {
                  sound.playSound(0);
                  sound.playMusic(0);
                  sound.fadeOutMusic(-1);
                  sound.close();  // and once more on the way out
              }),
              "");
}

}  // namespace
