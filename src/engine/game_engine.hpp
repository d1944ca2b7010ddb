// Owns every service of the game and the current state; starts and stops them in a fixed, logged order.
#pragma once

#include <SDL.h>
#include <memory>

#include "audio/sound_system.hpp"
#include "engine/frame_timer.hpp"
#include "engine/game_state.hpp"
#include "entities/effect_manager.hpp"
#include "graphics/texture_set.hpp"
#include "input/pad_devices.hpp"
#include "input/pad_input.hpp"
#include "records/save_data.hpp"
#include "trial/medal_table.hpp"
#include "trial/play_options.hpp"

class GameEngine {
public:
    static constexpr const char* windowTitle = "Fezzle Flyer Deluxe";
    static constexpr int colourDepth = 32;

    GameEngine() = default;
    ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // Runs again for the fullscreen switch: the services of the first run are released first and
    // made anew, the records and settings in memory are kept, and what the first run started
    // once (startOnce) stays as it is.
    void init(const char* title, int width, int height, int bitsPerPixel, bool fullscreenMode);
    // The services without a window or audio device, for tests and tools that run levels headless.
    void initHeadless();
    void cleanup();
    void changeState(std::unique_ptr<GameState> newState);

    void update();
    void draw();
    void handleEvents();

    void toggleFps();
    void toggleHardMode();
    bool toggleFullscreen();
    bool toggleMusic();
    bool toggleSound();
    bool toggleEffects();

    // The medal times, read from their file the first time they are asked for (a failure is logged
    // then, once); kept across a fullscreen switch.
    const MedalTable& medalTable() const;
    // The options file's choices, read the first time they are asked for.
    PlayOptions& playOptions();

    std::unique_ptr<SoundSystem> soundSystem;
    std::unique_ptr<EffectManager> effects;
    SDL_Event event{};
    std::unique_ptr<FrameTimer> timer;
    std::unique_ptr<TextureSet> textures;
    std::unique_ptr<SaveData> saveData;
    std::unique_ptr<GameState> state;
    bool fullscreen = false;
    int level = 0;
    bool running = false;
    // Whether startOnce has run.
    bool startedOnce = false;
    // The joysticks, opened by the first init and closed by cleanup.
    PadDevices pads;
    // What the pads hold, kept across states like the keyboard's own state.
    PadInput padInput;

private:
    // What only the first init starts, right after SDL_Init: the exit handler that shuts SDL down.
    void startOnce();
    mutable std::unique_ptr<MedalTable> medals;
    std::unique_ptr<PlayOptions> options;
    void loadSaveData();
    void releaseServices();
    void endState();
};
