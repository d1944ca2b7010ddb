// Music tracks and sound effects through SDL_mixer, with the player's on/off switches.
// Any file that fails to load silences all audio for the run.
#pragma once

#include <SDL_mixer.h>
#include <array>

class SoundSystem {
public:
    static constexpr int effectCount = 8;
    static constexpr int trackCount = 3;
    static constexpr int defaultFadeMs = 1500;

    SoundSystem() = default;
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    void init();
    void playMusic(int track);
    // A negative time means the default fade.
    void fadeOutMusic(int ms);
    void playSound(int effect);
    void close();

    const std::array<const char*, effectCount> effectFiles{"fanfar.wav", "fart4.wav", "aani1.wav", "aani4.wav",
                                                           "aani5.wav",  "blo.wav",   "pop.wav",   "toks.wav"};
    const std::array<const char*, trackCount> musicFiles{"menu.o", "easy.o", "hard.o"};
    bool soundOff = false;
    bool musicOff = false;
    bool audioBroken = false;
    std::array<Mix_Chunk*, effectCount> effects{};
    std::array<Mix_Music*, trackCount> music{};
};
