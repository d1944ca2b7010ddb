// Hears which sound effects the game starts: the real mixer on SDL's dummy audio driver, with
// every effect a long silent chunk of its own, so each channel still playing tells one start.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdlib>
#include <vector>

#include "audio/sound_system.hpp"
#include "support/scoped_env.hpp"

namespace testing_support {

class SoundProbe {
public:
    static constexpr int channels = 16;

    explicit SoundProbe(SoundSystem& soundSystem) : sound(soundSystem)
    {
        opened = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 4096) == 0;
        Mix_AllocateChannels(channels);
        for (Mix_Chunk*& chunk : sound.effects) {
            chunk = Mix_QuickLoad_RAW(silence.data(), static_cast<Uint32>(silence.size()));
        }
        sound.audioBroken = !opened;
        sound.soundOff = false;
    }
    ~SoundProbe()
    {
        sound.close();
        sound.audioBroken = true;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    bool ready() const { return opened; }
    // Starts of the effect since the last clear.
    int plays(int effect) const
    {
        int count = 0;
        for (int channel = 0; channel < channels; ++channel) {
            count +=
                Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == sound.effects[static_cast<std::size_t>(effect)];
        }
        return count;
    }
    int totalPlays() const { return Mix_Playing(-1); }
    void clear() { Mix_HaltChannel(-1); }

private:
    SoundSystem& sound;
    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};  // put back when the probe goes
    bool opened = false;
    // A minute of stereo 16-bit silence: no start ends by itself during a test.
    std::vector<Uint8> silence = std::vector<Uint8>(44100u * 4u * 60u, 0);
};

}  // namespace testing_support
