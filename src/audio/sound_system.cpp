#include "audio/sound_system.hpp"

#include <cstdio>

#include "engine/game_paths.hpp"

namespace {

constexpr int mixerFrequency = 44100;
constexpr int mixerChannels = 2;
constexpr int mixerChunkSize = 4096;
constexpr int effectChannels = 16;
constexpr int musicFadeInMs = 1500;

void soundPath(char (&path)[128], const char* file)
{
    std::snprintf(path, sizeof path, "%s%s", GamePaths::soundFolder, file);
}

}  // namespace

void SoundSystem::init()
{
    if (Mix_OpenAudio(mixerFrequency, AUDIO_S16LSB, mixerChannels, mixerChunkSize) == -1) {
        std::printf("  Mix_OpenAudio: %s\n", SDL_GetError());
    } else {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        Mix_QuerySpec(&frequency, &format, &channels);
        std::printf("  Mixer opened with specs:\n   Frequency: %i\n   Channels: %i\n", frequency, channels);
    }
    Mix_AllocateChannels(effectChannels);

    char path[128];
    for (int i = 0; i < effectCount; ++i) {
        soundPath(path, effectFiles[static_cast<std::size_t>(i)]);
        Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromFile(path, "rb"), 1);
        effects[static_cast<std::size_t>(i)] = chunk;
        if (chunk == nullptr) {
            std::printf("  Mix_LoadWAV: %s\n", SDL_GetError());
            audioBroken = true;
        } else {
            std::printf("  Loaded: %s\n", path);
        }
    }
    for (int i = 0; i < trackCount; ++i) {
        soundPath(path, musicFiles[static_cast<std::size_t>(i)]);
        Mix_Music* track = Mix_LoadMUS(path);
        music[static_cast<std::size_t>(i)] = track;
        if (track == nullptr) {
            std::printf(" Mix_LoadMUS: %s\n", SDL_GetError());
            audioBroken = true;
        } else {
            std::printf("  Loaded: %s\n", path);
        }
    }
}

void SoundSystem::playMusic(int track)
{
    if (audioBroken || musicOff || track < 0 || track >= trackCount) {
        return;
    }
    if (Mix_FadeInMusic(music[static_cast<std::size_t>(track)], -1, musicFadeInMs) == -1) {
        std::printf("Mix_PlayMusic: %s\n", SDL_GetError());
    }
}

void SoundSystem::fadeOutMusic(int ms)
{
    const int fadeMs = ms < 0 ? defaultFadeMs : ms;
    switch (Mix_FadingMusic()) {
    case MIX_NO_FADING: Mix_FadeOutMusic(fadeMs); break;
    case MIX_FADING_IN: Mix_HaltMusic(); break;
    case MIX_FADING_OUT: break;
    }
}

void SoundSystem::playSound(int effect)
{
    if (audioBroken || soundOff || effect < 0 || effect >= effectCount) {
        return;
    }
    if (Mix_PlayChannelTimed(-1, effects[static_cast<std::size_t>(effect)], 0, -1) == -1) {
        std::printf("Mix_PlayChannel: %s\n", SDL_GetError());
    }
}

void SoundSystem::close()
{
    for (Mix_Music*& track : music) {
        Mix_FreeMusic(track);
        track = nullptr;
    }
    for (Mix_Chunk*& chunk : effects) {
        Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    Mix_AllocateChannels(0);
    Mix_CloseAudio();
}
