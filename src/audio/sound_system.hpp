// Music tracks and sound effects through SDL_mixer, with the player's on/off switches.
// Any file that fails to load silences all audio for the run.
#pragma once

#include <SDL_mixer.h>
#include <array>

// The sound effects by index, in the order of SoundSystem::effectFiles.
enum class SoundEffect : int {
    Fanfare,   // fanfar.wav: the toilet reached, a golden item touched
    Puff,      // fart4.wav: the hat blowing gas
    Caught,    // aani1.wav: the hat caught by a bubble
    Throw,     // aani4.wav: a thrower's throw
    ItemHit,   // aani5.wav: a dropped item touching the hat
    Bump,      // blo.wav: a hard bump
    Released,  // pop.wav: the hat let go by its bubble
    Click,     // toks.wav: a menu choice
    Count
};

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
    // Indices outside 0 to 7 play nothing.
    void playSound(int effect);
    void playSound(SoundEffect effect) { playSound(static_cast<int>(effect)); }
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
static_assert(static_cast<int>(SoundEffect::Count) == SoundSystem::effectCount, "one name for each effect");
