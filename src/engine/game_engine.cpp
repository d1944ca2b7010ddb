#include "engine/game_engine.hpp"

#include <GL/gl.h>
#include <cstdio>
#include <cstdlib>

#include "engine/resource_stats.hpp"
#include "graphics/font.hpp"
#include "graphics/video.hpp"

GameEngine::~GameEngine()
{
    state = nullptr;
}

void GameEngine::init(const char* title, int width, int height, int bitsPerPixel, bool fullscreenMode)
{
    std::printf("\n:. GameEngine init..\n");
    // A second run (the fullscreen switch) gives back the first run's services while their GL
    // context still exists; the state, the level and the event stay as they are.
    releaseServices();
    loadSaveData();

    std::printf(" Initializing SDL .. ");
    startSdl();
    if (!startedOnce) {
        startOnce();
    }
    openWindow(title, width, height, bitsPerPixel, fullscreen);
    std::printf("done.\n");
    // Opened once for the run, and outside SDL's line, which their own lines would break.
    pads.open();
    std::printf(" Initializing OpenGL .. ");
    initGL(width, height);
    std::printf("done.\n");

    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    SDL_GL_SwapBuffers();

    std::printf(" Initializing soundsystem ..\n");
    soundSystem = std::make_unique<SoundSystem>();
    soundSystem->init();
    std::printf(" done.\n");

    timer = std::make_unique<FrameTimer>();

    textures = std::make_unique<TextureSet>();
    std::printf(" Loading textures.. \n");
    loadTextures(*textures);
    std::printf(" done.\n");
    std::printf(" Building fonts.. ");
    buildFont(*textures);
    std::printf("done.\n");

    running = true;
    fullscreen = fullscreenMode;
    effects = std::make_unique<EffectManager>();

    soundSystem->musicOff = saveData->musicOff != 0;
    soundSystem->soundOff = saveData->soundOff != 0;
    effects->effectsOff = saveData->effectsOff != 0;
    writeResourceStats(*textures, pads.openCount());
    std::printf(":. GameEngine init finished\n\n");
}

void GameEngine::startOnce()
{
    // SDL is shut down at exit however the process ends; one registration is enough for every init.
    std::atexit(SDL_Quit);
    startedOnce = true;
}

const MedalTable& GameEngine::medalTable() const
{
    if (medals == nullptr) {
        medals = std::make_unique<MedalTable>(MedalTable::load());
    }
    return *medals;
}

PlayOptions& GameEngine::playOptions()
{
    if (options == nullptr) {
        options = std::make_unique<PlayOptions>(PlayOptions::load());
    }
    return *options;
}

void GameEngine::initHeadless()
{
    saveData = std::make_unique<SaveData>();
    soundSystem = std::make_unique<SoundSystem>();
    // Nothing was loaded, so nothing may play.
    soundSystem->audioBroken = true;
    timer = std::make_unique<FrameTimer>();
    textures = std::make_unique<TextureSet>();
    effects = std::make_unique<EffectManager>();
    running = true;
}

void GameEngine::loadSaveData()
{
    // Across a fullscreen switch the records in memory are the truth, even if the file could not be written.
    if (saveData != nullptr) {
        return;
    }
    saveData = std::make_unique<SaveData>();
    // Only a missing file is replaced; one that exists but cannot be read is left for the player.
    if (!saveData->load() && !saveFileExists()) {
        saveData->save();
    }
}

void GameEngine::releaseServices()
{
    if (textures != nullptr) {
        releaseFont(*textures);
        releaseTextures(*textures);
        textures = nullptr;
    }
    if (soundSystem != nullptr) {
        soundSystem->close();
        soundSystem = nullptr;
    }
    timer = nullptr;
    effects = nullptr;
}

void GameEngine::cleanup()
{
    std::printf("\n:. GameEngine Cleanup..\n");
    endState();
    effects = nullptr;
    std::printf(" Releasing fonts.. ");
    if (textures != nullptr) {
        releaseFont(*textures);
    }
    std::printf("done\n");
    std::printf(" Releasing textures.. ");
    if (textures != nullptr) {
        releaseTextures(*textures);
    }
    std::printf("done\n");
    if (soundSystem != nullptr) {
        soundSystem->close();
        soundSystem = nullptr;
    }
    saveData = nullptr;
    timer = nullptr;
    textures = nullptr;
    pads.close();
    std::printf(":. GameEngine cleanup finished\n\n");
    // SDL_Quit gives SIGTERM back its default action; the log is whole before that.
    std::fflush(stdout);
    SDL_Quit();
}

void GameEngine::endState()
{
    if (state != nullptr) {
        state->cleanup(this);
        state = nullptr;
    }
}

void GameEngine::changeState(std::unique_ptr<GameState> newState)
{
    // No effect of the old state shows in the new one.
    if (effects != nullptr) {
        effects->clear();
    }
    std::printf(": Moving to state %s\n", newState->name.c_str());
    std::fflush(stdout);
    endState();
    std::printf("  Initializing new state\n");
    std::fflush(stdout);
    state = std::move(newState);
    state->init(this);
    std::printf("  Initializing went ok\n");
    std::fflush(stdout);
}

void GameEngine::update()
{
    timer->tick();
    if (state != nullptr) {
        state->update(this);
    }
}

void GameEngine::draw()
{
    if (state != nullptr) {
        state->draw(this);
    }
}

void GameEngine::handleEvents()
{
    if (state != nullptr) {
        state->handleEvents(this);
    }
}

void GameEngine::toggleFps()
{
    saveData->showFps = saveData->showFps == 1 ? 0 : 1;
}

void GameEngine::toggleHardMode()
{
    saveData->hardMode = saveData->hardMode == 1 ? 0 : 1;
}

bool GameEngine::toggleFullscreen()
{
    fullscreen = !fullscreen;
    saveData->save();
    return fullscreen;
}

namespace {

// Flips a service's switch and keeps the settings record in step with it.
bool flipSetting(bool& serviceFlag, std::uint8_t& storedFlag)
{
    serviceFlag = !serviceFlag;
    storedFlag = serviceFlag ? 1 : 0;
    return serviceFlag;
}

}  // namespace

bool GameEngine::toggleMusic()
{
    return flipSetting(soundSystem->musicOff, saveData->musicOff);
}

bool GameEngine::toggleSound()
{
    return flipSetting(soundSystem->soundOff, saveData->soundOff);
}

bool GameEngine::toggleEffects()
{
    return flipSetting(effects->effectsOff, saveData->effectsOff);
}
