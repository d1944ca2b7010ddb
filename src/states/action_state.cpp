#include "states/action_state.hpp"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>

#include "engine/game_engine.hpp"
#include "engine/game_paths.hpp"
#include "entities/effect.hpp"
#include "entities/hat.hpp"
#include "graphics/font.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "states/fps_counter.hpp"
#include "states/menu_state.hpp"
#include "world/level_stepper.hpp"
#include "world/world.hpp"

namespace {

constexpr int easyMusic = 1;
constexpr int hardMusic = 2;
constexpr int leaveFadeMs = 300;
constexpr int finishFadeMs = 2000;

// The pause sign rocks by up to 24 degrees each way and pulses in size.
constexpr int pauseSignPicture = 14;  // kuva14.png
constexpr Rect pauseSignBox{144, 268, 512, 64};
constexpr float pauseRockPerMs = 0.001f;
constexpr float pausePulsePerMs = 0.002f;
constexpr float pauseRockGain = 0.4f;
constexpr float pauseRockDegrees = 60.0f;

struct Message {
    int x;
    int y;
    const char* text;
    float scale;
};
constexpr Message newRecordMessage{320, 290, "New record!!", 1.3f};
constexpr Message slowerMessage{80, 290, "You managed to finish, but your previous record was better.", 1.0f};
constexpr Message failedMessage{310, 290, "You failed! Press ESC!", 1.0f};
constexpr Message failedHintMessage{250, 310, "Do not let your gasmeter turn green!", 1.0f};

void print(const GameEngine* engine, const Message& message)
{
    printText(*engine->textures, message.x, message.y, message.text, 1, 0.0f, message.scale);
}

// The held-key flag of the hat that a key drives, or null for keys that drive none.
bool* heldFlag(Hat& hat, SDLKey key)
{
    switch (key) {
    case SDLK_a:
    case SDLK_LEFT: return &hat.keyLeft;
    case SDLK_d:
    case SDLK_RIGHT: return &hat.keyRight;
    case SDLK_w:
    case SDLK_UP: return &hat.keyThrust;
    default: return nullptr;
    }
}

}  // namespace

ActionState::ActionState() : GameState("ActionState") {}

ActionState::~ActionState() = default;

void ActionState::init(GameEngine* engine)
{
    std::printf("  ActionState::init()\n");
    name = "ActionState";
    finishTime = 0;

    char path[64];
    std::snprintf(path, sizeof path, GamePaths::levelFormat, engine->level);
    LevelStepper::Start start;
    start.mapPath = path;
    start.hardMode = engine->saveData->hardMode == 1;
    start.effectsOff = engine->effects->effectsOff;
    // Every level starts frozen until the first key.
    start.paused = true;
    // The clock and the random sequence go on from where the game stands.
    start.timer = engine->timer->state();
    start.random = GameRandom::shared().state();
    level = std::make_unique<LevelStepper>(engine, start);
    world = level->world.get();
    hat = level->hat;
    pause();
    engine->soundSystem->playMusic(hat->hardMode ? hardMusic : easyMusic);
}

void ActionState::cleanup(GameEngine* engine)
{
    engine->soundSystem->fadeOutMusic(leaveFadeMs);
    world = nullptr;
    hat = nullptr;
    level = nullptr;
}

void ActionState::pause()
{
    active = false;
    if (level != nullptr) {
        level->active = false;
    }
}

void ActionState::resume()
{
    active = true;
    if (level != nullptr) {
        level->active = true;
    }
}

void ActionState::handleEvents(GameEngine* engine)
{
    while (SDL_PollEvent(&engine->event) != 0) {
        const SDL_Event& event = engine->event;
        switch (event.type) {
        case SDL_ACTIVEEVENT:
            // Losing the mouse or the keyboard, or being iconified: all the same here.
            if (event.active.gain == 0) {
                pause();
            }
            break;
        case SDL_KEYDOWN:
            // The key that resumes also acts.
            if (!active) {
                resume();
            }
            if (keyPressed(engine, event.key.keysym.sym)) {
                return;
            }
            break;
        case SDL_KEYUP: keyReleased(event.key.keysym.sym); break;
        case SDL_QUIT: engine->running = false; break;
        default: break;
        }
    }
}

bool ActionState::keyPressed(GameEngine* engine, SDLKey key)
{
    if (key == SDLK_ESCAPE) {
        // Destroys this state; the events still queued are the menu's.
        engine->changeState(std::make_unique<MenuState>());
        return true;
    }
    if (key == SDLK_1) {
        // A burst hat has failed and a finished one already has its time: neither is finished again.
        if (!hat->failed && !hat->goalReached) {
            hat->goalReached = true;
            hat->levelTime += skipPenaltyMs;
        }
        return false;
    }
    if (bool* held = heldFlag(*hat, key)) {
        *held = true;
    }
    return false;
}

void ActionState::keyReleased(SDLKey key)
{
    if (bool* held = heldFlag(*hat, key)) {
        *held = false;
    }
}

void ActionState::update(GameEngine* engine)
{
    level->step();
    if (hat != nullptr && hat->goalReached && finishTime == 0) {
        finish(engine);
    }
    if (hat != nullptr && hat->goalReached && finishTime != 0 &&
        engine->timer->lastTicks > finishTime + finishShownMs) {
        // Destroys this state.
        engine->changeState(std::make_unique<MenuState>());
        return;
    }
}

void ActionState::draw(GameEngine* engine)
{
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    beginOverlay();
    // The world reads `active` itself: paused, it shows only the level.
    world->draw(engine);
    if (!active) {
        drawPauseSign(engine);
    }
    if (hat != nullptr) {
        hat->drawHud(engine);
    }
    endOverlay();
    glColor3f(1.0f, 1.0f, 1.0f);

    drawFpsCounter(*engine);
    if (hat == nullptr) {
        return;
    }
    if (hat->goalReached) {
        print(engine, hat->newRecord ? newRecordMessage : slowerMessage);
    }
    if (hat->failed) {
        drawFailure(engine);
    }
}

void ActionState::drawPauseSign(GameEngine* engine) const
{
    const auto now = static_cast<float>(engine->timer->lastTicks);
    const float rock = pauseRockGain * std::sin(pauseRockPerMs * now);
    glColor3f(0.4f + rock, 0.35f, 0.35f);
    drawSprite(pauseSignBox, kuvaPicture(*engine->textures, pauseSignPicture), wholeSheet, pauseRockDegrees * rock,
               1.2f + 0.2f * std::sin(pausePulsePerMs * now));
}

void ActionState::finish(GameEngine* engine)
{
    finishTime = engine->timer->lastTicks;
    engine->soundSystem->fadeOutMusic(finishFadeMs);
    if (engine->saveData->submitRecord(engine->level, hat->levelTime)) {
        hat->newRecord = true;
    }
}

void ActionState::drawFailure(GameEngine* engine) const
{
    print(engine, failedMessage);
    glColor3f(0.8f, 0.2f, 0.2f);
    print(engine, failedHintMessage);
    glColor3f(1.0f, 1.0f, 1.0f);
}
