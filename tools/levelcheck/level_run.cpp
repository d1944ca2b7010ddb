#include "level_run.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <algorithm>
#include <vector>

#include "engine/game_random.hpp"
#include "entities/effect_manager.hpp"
#include "input_track.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "world/world.hpp"

namespace {

constexpr int windowBits = 32;

}  // namespace

LevelRun::LevelRun(const std::string& mapPath, bool hardMode, Start start, bool shown)
    : clock(start.clockMs), windowed(shown)
{
    // The game's sequence from its start, moved on by the draws other code would have made.
    GameRandom& random = GameRandom::shared();
    random = GameRandom();
    for (int i = 0; i < start.randDraws; ++i) {
        random.next();
    }
    TickSource::install(&clock);
    if (windowed) {
        engine.init("Fezzle Flyer Deluxe", screenWidth, screenHeight, windowBits, false);
    } else {
        engine.initHeadless();
    }
    if (!engine.effects) {
        engine.effects = std::make_unique<EffectManager>();
    }
    engine.effects->effectsOff = false;
    world = std::make_unique<World>();
    world->level->load(mapPath.c_str());
    hat = new Hat();
    hat->hardMode = hardMode;
    world->add(hat);
    lowestMargin = hat->capacity - hat->pressure;
    follow();
}

LevelRun::~LevelRun()
{
    world.reset();
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
    world->update(&engine);
    follow();
    world->updateInView(&engine);
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

// The camera as the action state moves it: centred on the hat, kept inside the level.
void LevelRun::follow()
{
    viewRect = hat->getViewRect();
    const Rect bounds = world->level->bounds;
    viewRect.x = viewRect.x < 0 ? 0 : viewRect.x;
    viewRect.y = viewRect.y < 0 ? 0 : viewRect.y;
    viewRect.x = viewRect.x + viewRect.w > bounds.w ? bounds.w - viewRect.w : viewRect.x;
    viewRect.y = viewRect.y + viewRect.h > bounds.h ? bounds.h - viewRect.h : viewRect.y;
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
