#include "level_run.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <algorithm>
#include <vector>

#include "engine/game_random.hpp"
#include "input_track.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "world/level_stepper.hpp"
#include "world/world.hpp"

namespace {

constexpr int windowBits = 32;

}  // namespace

LevelRun::LevelRun(const std::string& mapPath, bool hardMode, Start start, bool shown)
    : clock(start.clockMs), windowed(shown)
{
    TickSource::install(&clock);
    if (windowed) {
        engine.init("Fezzle Flyer Deluxe", screenWidth, screenHeight, windowBits, false);
    } else {
        engine.initHeadless();
    }
    LevelStepper::Start from;
    from.mapPath = mapPath;
    from.hardMode = hardMode;
    // Effects draw random numbers: they are on, whatever a player's settings say.
    from.effectsOff = false;
    // The clock's own start, a frame counter from 0, and the game's sequence from its start moved
    // on by the draws other code would have made.
    from.timer = FrameTimer::State{start.clockMs, 0};
    GameRandom random;
    for (int i = 0; i < start.randDraws; ++i) {
        random.next();
    }
    from.random = random.state();
    level = std::make_unique<LevelStepper>(&engine, from);
    world = level->world.get();
    hat = level->hat;
    lowestMargin = hat->capacity - hat->pressure;
}

LevelRun::~LevelRun()
{
    level = nullptr;
    engine.cleanup();
    TickSource::install(nullptr);
}

bool LevelRun::finished() const
{
    return hat->goalReached;
}

bool LevelRun::burst() const
{
    return hat->failed;
}

void LevelRun::step(std::uint8_t keys)
{
    hat->keyLeft = (keys & HeldKeys::left) != 0;
    hat->keyRight = (keys & HeldKeys::right) != 0;
    hat->keyThrust = (keys & HeldKeys::thrust) != 0;
    const std::int32_t capacity = hat->capacity;
    engine.timer->tick();
    level->step();
    if (windowed) {
        draw();
    }
    ++frames;
    hardBumps += hat->capacity < capacity ? 1 : 0;
    if (hat->capacity - hat->pressure < lowestMargin) {
        lowestMargin = hat->capacity - hat->pressure;
    }
    noteSeen();
}

void LevelRun::noteSeen()
{
    for (Entity* entity : world->objects) {
        if (entity->type >= 0 && entity->type < objectKindCount &&
            isOnScreen(static_cast<int>(entity->getX()), static_cast<int>(entity->getY()),
                       static_cast<int>(entity->getWidth()), static_cast<int>(entity->getHeight()))) {
            met.set(static_cast<std::size_t>(entity->type));
        }
    }
}

void LevelRun::draw()
{
    clearFrame();
    beginOverlay();
    world->draw(&engine);
    hat->drawHud(&engine);
    endOverlay();
    if (!nextScreenshot.empty()) {
        saveScreenshot(nextScreenshot);
        nextScreenshot.clear();
    }
    SDL_GL_SwapBuffers();
}

bool LevelRun::saveScreenshot(const std::string& path) const
{
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(screenWidth * screenHeight * 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, screenWidth, screenHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    SDL_Surface* surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, screenWidth, screenHeight, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (surface == nullptr) {
        return false;
    }
    // OpenGL's rows run bottom to top.
    const int rowBytes = screenWidth * 3;
    for (int y = 0; y < screenHeight; ++y) {
        std::copy_n(pixels.begin() + (screenHeight - 1 - y) * rowBytes, rowBytes,
                    static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
    }
    const bool saved = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return saved;
}
