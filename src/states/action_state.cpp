#include "states/action_state.hpp"

#include <GL/gl.h>
#include <algorithm>
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
#include "records/format_time.hpp"
#include "replays/replay_file.hpp"
#include "replays/replay_playback.hpp"
#include "replays/replay_recorder.hpp"
#include "states/fps_counter.hpp"
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
constexpr Message brokenReplayMessage{220, 290, "This run no longer plays back here.", 1.0f};
// Between the level time at the top left and the frame-rate counter at the top right.
constexpr int replayLabelX = 330;
constexpr int replayLabelY = 20;
constexpr Message watchHint{250, 575, "Hold Right: 4x   Space: pause   Esc: back", 0.8f};
constexpr Message attractHint{300, 575, "Any key: back to the menu", 0.8f};

// Watching: holding Right plays four times as fast; a slow real frame owes the run no more than
// this, so that the run does not leap after a stall.
constexpr std::int64_t fastFactor = 4;
constexpr std::uint32_t mostOwedPerFrameMs = 100;

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

ActionState::ActionState(StateMaker next, std::unique_ptr<ReplayPlayback> watched, bool anyKeyLeaves)
    : GameState("ActionState"), leaveTo(std::move(next)), playback(std::move(watched))
{
    watching.anyKeyLeaves = anyKeyLeaves;
}

ActionState::~ActionState() = default;

void ActionState::init(GameEngine* engine)
{
    std::printf("  ActionState::init()\n");
    name = "ActionState";
    finishTime = 0;
    if (playback != nullptr) {
        initWatching(engine);
        return;
    }

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
    // Recording starts before the level is built: its objects read the clock for their birth times.
    ReplayHeader run;
    run.level = engine->level;
    run.hardMode = start.hardMode;
    recorder = std::make_unique<ReplayRecorder>(run, start.effectsOff, start.timer, start.random);
    skipped = false;
    level = std::make_unique<LevelStepper>(engine, start);
    world = level->world.get();
    hat = level->hat;
    pause();
    engine->soundSystem->playMusic(hat->hardMode ? hardMusic : easyMusic);
    std::vector<ReplaySample> bestRun;
    if (ReplayFile::readSamples(engine->level, hat->hardMode, bestRun) && !bestRun.empty()) {
        ghost = std::make_unique<GhostPath>(std::move(bestRun));
    }
}

void ActionState::initWatching(GameEngine* engine)
{
    // The player's own settings come back when the run is over.
    watching.effectsOff = engine->effects->effectsOff;
    watching.random = GameRandom::shared().state();
    {
        ReplayPlayback::Scope scope(*playback, *engine);
        level = std::make_unique<LevelStepper>(engine, playback->start());
    }
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
    recorder = nullptr;
    if (playback != nullptr) {
        engine->effects->effectsOff = watching.effectsOff;
        GameRandom::shared().setState(watching.random);
    }
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
    if (playback != nullptr) {
        InputPath::read(engine, InputColumn::Play,
                        [this, engine](const Input& input) { return watchInput(engine, input); });
        return;
    }
    InputPath::read(engine, InputColumn::Play, [this, engine](const Input& input) { return takeInput(engine, input); });
}

bool ActionState::takeInput(GameEngine* engine, const Input& input)
{
    if (recorder != nullptr) {
        recorder->noteInput(input);
    }
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
    engine->changeState(std::make_unique<ActionState>(leaveTo));
}

bool ActionState::keyPressed(GameEngine* engine, InputAction action)
{
    // The events still queued are the next state's.
    if (action == InputAction::Back) {
        leave(engine);
        return true;
    }
    // A watched run's keys fly its hat; the viewer's options and a fresh start are the viewer's.
    if (playback != nullptr && (action == InputAction::Retry || action == InputAction::Ghost)) {
        return false;
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
            skipped = true;
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

bool ActionState::watchInput(GameEngine* engine, const Input& input)
{
    if (input.kind == Input::Kind::Quit) {
        engine->running = false;
        return false;
    }
    if (input.action == InputAction::Right && input.kind != Input::Kind::FocusLost) {
        watching.fast = input.kind == Input::Kind::KeyDown;
    }
    if (input.kind != Input::Kind::KeyDown) {
        return false;
    }
    if (watching.anyKeyLeaves || input.action == InputAction::Back) {
        leave(engine);
        return true;
    }
    if (input.key == SDLK_SPACE) {
        watching.held = !watching.held;
    }
    return false;
}

void ActionState::update(GameEngine* engine)
{
    if (playback != nullptr) {
        updateWatching(engine);
        return;
    }
    level->step();
    if (recorder != nullptr) {
        recorder->noteFrame(*hat);
        // A burst run goes nowhere from here.
        if (hat->failed) {
            recorder->stop();
        }
    }
    if (hat != nullptr && hat->goalReached && finishTime == 0) {
        finish(engine);
    }
    if (hat != nullptr && hat->goalReached && finishTime != 0 &&
        engine->timer->lastTicks > finishTime + finishShownMs) {
        leave(engine);
        return;
    }
}

void ActionState::updateWatching(GameEngine* engine)
{
    if (watching.ended) {
        if (engine->timer->lastTicks - watching.endedAt > finishShownMs) {
            leave(engine);
        }
        return;
    }
    if (watching.held) {
        return;
    }
    watching.owedMs += std::min(engine->timer->frameMs, mostOwedPerFrameMs) * (watching.fast ? fastFactor : 1);
    // Paused frames (the start, a lost focus) are passed over at once; played ones take their time.
    while (!watching.ended && (!active || watching.owedMs > 0)) {
        stepWatched(engine);
    }
}

void ActionState::playOut(GameEngine* engine)
{
    while (!watching.ended) {
        stepWatched(engine);
    }
}

void ActionState::stepWatched(GameEngine* engine)
{
    for (const Input& input : playback->inputsDue()) {
        // Leaving is the viewer's choice, never the run's.
        if (input.action != InputAction::Back) {
            takeInput(engine, input);
        }
    }
    const bool played = active;
    std::uint32_t frameMs = 0;
    {
        ReplayPlayback::Scope scope(*playback, *engine);
        engine->timer->tick();
        level->step();
        frameMs = engine->timer->frameMs;
        if (hat->goalReached && finishTime == 0) {
            finishTime = engine->timer->lastTicks;
        }
    }
    if (played) {
        watching.owedMs -= frameMs;
    }
    if (!playback->check(*hat)) {
        watching.broken = true;
        std::printf("Ignored replay %s: samples disagree with the run\n", playback->path().c_str());
        endWatching(engine);
    } else if (playback->atEnd()) {
        endWatching(engine);
    }
}

void ActionState::endWatching(GameEngine* engine)
{
    watching.ended = true;
    watching.endedAt = engine->timer->lastTicks;
    engine->soundSystem->fadeOutMusic(finishFadeMs);
}

void ActionState::draw(GameEngine* engine)
{
    if (playback != nullptr) {
        // The run's own clock: its animations and its pause sign, as they were.
        ReplayPlayback::Scope scope(*playback, *engine);
        drawScene(engine);
        drawWatching(engine);
        return;
    }
    drawScene(engine);
    drawLiveMessages(engine);
}

void ActionState::drawWatching(GameEngine* engine) const
{
    char time[timeTextSize];
    formatTime(playback->replay().header.finishTime, time);
    char label[64];
    std::snprintf(label, sizeof label, "Replay %s", time);
    printText(*engine->textures, replayLabelX, replayLabelY, label, 1, 0.0f, 1.0f);
    if (watching.broken) {
        print(engine, brokenReplayMessage);
    } else {
        print(engine, watching.anyKeyLeaves ? attractHint : watchHint);
    }
}

void ActionState::drawScene(GameEngine* engine)
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
}

void ActionState::drawLiveMessages(GameEngine* engine) const
{
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
    // A run too long to record in full, or skipped to its end, is not kept.
    const bool keep = recorder != nullptr && recorder->recording() && !skipped;
    if (recorder != nullptr) {
        recorder->stop();
    }
    if (engine->saveData->submitRecord(engine->level, hat->levelTime)) {
        hat->newRecord = true;
        if (keep) {
            keepRun(engine);
        }
    }
}

void ActionState::keepRun(GameEngine* engine)
{
    // A failed write is logged there; the record stands either way.
    ReplayFile::write(ReplayFile::bestRunPath(engine->level, hat->hardMode), recorder->replay());
}

void ActionState::drawFailure(GameEngine* engine) const
{
    print(engine, failedMessage);
    glColor3f(0.8f, 0.2f, 0.2f);
    print(engine, failedHintMessage);
    glColor3f(1.0f, 1.0f, 1.0f);
}
