// Gives an engine a real sound system whose mixer never advances, so that every sound effect it is
// asked to play keeps its channel: counting busy channels tells which effects were played, and how
// often, without listening to anything.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <array>
#include <cstdlib>
#include <string>

#include "audio/sound_system.hpp"
#include "engine/game_engine.hpp"
#include "support/test_support.hpp"

namespace testing_support {

class HeardSounds {
public:
    // Writes short sound files into ./data/sound of the current (temporary) folder.
    explicit HeardSounds(GameEngine& target) : engine(target)
    {
        if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
            setenv("SDL_AUDIODRIVER", "dummy", 1);
        }
        SoundSystem files;
        for (const char* name : files.effectFiles) {
            writeWav(std::string("data/sound/") + name, toneMs, 0);
        }
        for (const char* name : files.musicFiles) {
            writeWav(std::string("data/sound/") + name, toneMs, 0);
        }
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            ADD_FAILURE() << "no audio: " << SDL_GetError();
        }
        engine.soundSystem = std::make_unique<SoundSystem>();
        ::testing::internal::CaptureStdout();
        engine.soundSystem->init();
        ::testing::internal::GetCapturedStdout();
        EXPECT_FALSE(engine.soundSystem->audioBroken);
        SDL_PauseAudio(1);
    }
    ~HeardSounds()
    {
        engine.soundSystem->close();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    HeardSounds(const HeardSounds&) = delete;
    HeardSounds& operator=(const HeardSounds&) = delete;

    // How many times the effect has been played since the start (or the last forget).
    int count(int effect) const
    {
        const Mix_Chunk* chunk = engine.soundSystem->effects[static_cast<std::size_t>(effect)];
        int playing = 0;
        for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
            playing += Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk ? 1 : 0;
        }
        return playing;
    }
    // Plays of every effect, by index.
    std::array<int, SoundSystem::effectCount> counts() const
    {
        std::array<int, SoundSystem::effectCount> all{};
        for (int effect = 0; effect < SoundSystem::effectCount; ++effect) {
            all[static_cast<std::size_t>(effect)] = count(effect);
        }
        return all;
    }
    void forget() { Mix_HaltChannel(-1); }

private:
    static constexpr int toneMs = 20;
    GameEngine& engine;
};

// Counts with one play of the given effect and nothing else.
inline std::array<int, SoundSystem::effectCount> onlyPlayed(int effect, int times = 1)
{
    std::array<int, SoundSystem::effectCount> all{};
    all[static_cast<std::size_t>(effect)] = times;
    return all;
}

}  // namespace testing_support
