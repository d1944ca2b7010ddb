#include "states/action_state.hpp"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/game_paths.hpp"
#include "engine/input_path.hpp"
#include "entities/effect.hpp"
#include "entities/hat.hpp"
#include "graphics/font.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "states/fps_counter.hpp"
#include "replays/replay_file.hpp"
#include "states/menu_state.hpp"
#include "trial/finish_report.hpp"
#include "trial/ghost_drawing.hpp"
#include "trial/ghost_path.hpp"
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
// Under whatever ended the level, while a key can still start it again.
constexpr Message retryHintMessage{300, 370, "Press R to try again", 1.0f};
constexpr float hintGrey = 0.7f;
// At the start, where a best run flies beside the hat.
constexpr Message ghostHintMessage{270, 420, "G shows or hides the ghost", 1.0f};
// At the start too, and only when a pad was found: without one the screen is as it always was.
constexpr Message padHintMessage{145, 450, "Pad: stick steers, 1st button blows gas, 2nd leaves", 1.0f};
// After the ghost key, for a moment, near the top.
constexpr Message ghostShownNotice{345, 60, "Ghost shown", 1.0f};
constexpr Message ghostHiddenNotice{340, 60, "Ghost hidden", 1.0f};
constexpr std::uint32_t ghostNoticeMs = 1500;

void print(const GameEngine* engine, const Message& message)
{
    printText(*engine->textures, message.x, message.y, message.text, 1, 0.0f, message.scale);
}

// The held-key flag of the hat that an action drives, or null for actions that drive none.
bool* heldFlag(Hat& hat, InputAction action)
{
    switch (action) {
    case InputAction::Left: return &hat.keyLeft;
    case InputAction::Right: return &hat.keyRight;
    case InputAction::Thrust: return &hat.keyThrust;
    default: return nullptr;
    }
}

}  // namespace

ActionState::ActionState(StateMaker next) : GameState("ActionState"), leaveTo(std::move(next)) {}

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
    std::vector<ReplaySample> bestRun;
    if (withGhost && ReplayFile::readSamples(engine->level, hat->hardMode, bestRun) && !bestRun.empty()) {
        ghost = std::make_unique<GhostPath>(std::move(bestRun));
    }
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
    InputPath::read(engine, InputColumn::Play, [this, engine](const Input& input) { return takeInput(engine, input); });
}

bool ActionState::takeInput(GameEngine* engine, const Input& input)
{
    switch (input.kind) {
    case Input::Kind::FocusLost: pause(); return false;
    case Input::Kind::Quit: engine->running = false; return false;
    case Input::Kind::KeyUp: hold(input.action, false); return false;
    case Input::Kind::KeyDown:
        // Any key resumes, mapped or not, and then acts.
        if (!active) {
            resume();
        }
        return keyPressed(engine, input.action);
    }
    return false;
}

void ActionState::leave(GameEngine* engine)
{
    engine->changeState(leaveTo ? leaveTo() : std::make_unique<MenuState>());
}

void ActionState::retry(GameEngine* engine)
{
    // A finish the update has not seen yet (the skip key in this same batch) still counts.
    if (hat->goalReached && finishTime == 0) {
        finish(engine);
    }
    auto again = std::make_unique<ActionState>(leaveTo);
    again->withGhost = withGhost;
    engine->changeState(std::move(again));
}

bool ActionState::keyPressed(GameEngine* engine, InputAction action)
{
    // The events still queued are the next state's.
    if (action == InputAction::Back) {
        leave(engine);
        return true;
    }
    if (action == InputAction::Retry) {
        retry(engine);
        return true;
    }
    if (action == InputAction::Ghost) {
        toggleGhost(engine);
        return false;
    }
    if (action == InputAction::Finish) {
        // A burst hat has failed and a finished one already has its time: neither is finished again.
        if (!hat->failed && !hat->goalReached) {
            hat->goalReached = true;
            hat->levelTime += skipPenaltyMs;
        }
        return false;
    }
    hold(action, true);
    return false;
}

void ActionState::hold(InputAction action, bool held)
{
    if (bool* flag = heldFlag(*hat, action)) {
        *flag = held;
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
        leave(engine);
        return;
    }
}

void ActionState::draw(GameEngine* engine)
{
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    beginOverlay();
    // The world reads `active` itself: paused, it shows only the level.
    world->draw(engine, [this, engine] { drawGhostNow(engine); });
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
    if (hat->goalReached && report != nullptr) {
        beginOverlay();
        report->draw(*engine->textures);
        endOverlay();
    }
    drawKeyHints(engine);
}

void ActionState::drawKeyHints(GameEngine* engine) const
{
    glColor3f(hintGrey, hintGrey, hintGrey);
    if (hat->goalReached || hat->failed) {
        print(engine, retryHintMessage);
    }
    const bool atStart = !active && hat->levelTime == 0;
    if (atStart && ghost != nullptr) {
        print(engine, ghostHintMessage);
    }
    if (atStart && engine->pads.openCount() > 0) {
        print(engine, padHintMessage);
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    if (engine->timer->lastTicks < ghostNoticeUntil) {
        print(engine, engine->playOptions().ghostShown ? ghostShownNotice : ghostHiddenNotice);
    }
}

void ActionState::toggleGhost(GameEngine* engine)
{
    PlayOptions& options = engine->playOptions();
    options.ghostShown = !options.ghostShown;
    options.save();
    ghostNoticeUntil = engine->timer->lastTicks + ghostNoticeMs;
}

void ActionState::drawGhostNow(GameEngine* engine) const
{
    if (ghost != nullptr && !ghost->empty() && engine->playOptions().ghostShown) {
        drawGhost(*engine->textures, ghost->at(hat->levelTime));
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
    // Before the submission: the best so far is still the one before this run.
    report = std::make_unique<FinishReport>(*engine->saveData, engine->medalTable(), engine->level, hat->levelTime);
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
