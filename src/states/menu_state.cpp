#include "states/menu_state.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/input_path.hpp"
#include "graphics/video.hpp"
#include "replays/replay_file.hpp"
#include "replays/replay_playback.hpp"
#include "states/action_state.hpp"
#include "states/menu_screens.hpp"

namespace {

constexpr int menuTrack = 0;
constexpr int leaveFadeMs = 350;
constexpr int levelStartFadeMs = 500;
constexpr int musicOffFadeMs = 350;

// Fixed entry counts by screen; the level list counts its open levels instead.
constexpr std::array<int, MenuState::screenCount> fixedEntryCounts = {6, 0, 1, 1, 6, 2};

constexpr int entryX = 144;
constexpr int narrowEntryX = 30;  // settings entries that carry an on/off mark beside them
constexpr int entryTopY = 200;
constexpr int entryStepY = 60;
constexpr int entryWidth = 512;
constexpr int entryHeight = 64;

// Particles rise behind the menu: two bubble columns and a stream of embers swing to and fro.
constexpr std::uint32_t spawnEveryFrames = 12;
constexpr std::uint32_t pictureEveryFrames = 480;
constexpr float swingCentreX = 400.0f;
constexpr float pictureCentreX = 300.0f;
constexpr float swingReachX = 350.0f;
constexpr int bottomY = 600;
constexpr int topY = 0;
constexpr int pictureY = 700;
constexpr float particleAngle = 20.0f;

Rect entryRect(int x, int entry)
{
    return Rect{x, entryTopY + entryStepY * entry, entryWidth, entryHeight};
}

std::uint32_t attractWait()
{
    const char* value = std::getenv(MenuState::attractWaitVariable);
    return value != nullptr ? static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) : MenuState::attractAfterMs;
}

// How many levels of a mode are open, whichever mode is selected.
int openLevels(SaveData save, bool hardMode)
{
    save.hardMode = hardMode ? 1 : 0;
    return save.openLevelCount();
}

struct RunFile {
    std::string path;
    int level;
    bool hardMode;
};

// The attract mode's runs, in level and mode order: the player's best ones, or where the player
// has none, the shipped demos of the levels the player has opened.
std::vector<RunFile> attractRuns(const SaveData& save)
{
    std::vector<RunFile> best;
    std::vector<RunFile> demos;
    ReplayHeader header;
    for (int level = 0; level < SaveData::levelsPerMode; ++level) {
        for (const bool hardMode : {false, true}) {
            const std::string own = ReplayFile::bestRunPath(level, hardMode);
            if (ReplayFile::readHeader(own, level, hardMode, header)) {
                best.push_back(RunFile{own, level, hardMode});
            }
            const std::string demo = ReplayFile::demoPath(level, hardMode);
            if (level < openLevels(save, hardMode) && ReplayFile::readHeader(demo, level, hardMode, header)) {
                demos.push_back(RunFile{demo, level, hardMode});
            }
        }
    }
    return best.empty() ? demos : best;
}

}  // namespace

void MenuState::init(GameEngine* newEngine)
{
    std::printf("  MenuState::init()\n");
    name = "MenuState";
    screen = mainScreen;
    selection = 0;
    active = true;
    for (int i = 0; i < mainEntryCount; ++i) {
        mainRects[static_cast<std::size_t>(i)] = entryRect(entryX, i);
    }
    for (int i = 0; i < settingsEntryCount; ++i) {
        const bool wide = i == fullscreenEntry || i == saveEntry;
        settingsRects[static_cast<std::size_t>(i)] = entryRect(wide ? entryX : narrowEntryX, i);
    }
    newEngine->soundSystem->playMusic(menuTrack);
    engine = newEngine;
    waitedSince = engine->timer->lastTicks;
    attractWaitMs = attractWait();
    if (!opening) {
        setScreen(levelScreen);
        return;
    }
    assert(opening->screen >= 0 && opening->screen < screenCount);
    screen = opening->screen;
    selection = std::clamp(opening->selection, 0, entryCount() - 1);
}

void MenuState::cleanup(GameEngine* leaving)
{
    leaving->soundSystem->fadeOutMusic(leaveFadeMs);
}

void MenuState::handleEvents(GameEngine* /*current*/)
{
    // A level started stops the reading: this state is gone, the rest of the queue is the level's.
    InputPath::read(engine, InputColumn::Menu, [this](const Input& input) { return takeInput(input); });
}

bool MenuState::takeInput(const Input& input)
{
    if (input.kind == Input::Kind::Quit) {
        engine->running = false;
        return false;
    }
    if (input.kind != Input::Kind::KeyDown) {
        return false;
    }
    waitedSince = engine->timer->lastTicks;
    switch (input.action) {
    case InputAction::Watch: return screen == levelScreen && watchHighlighted();
    case InputAction::Up: moveUp(); return false;
    case InputAction::Down: moveDown(); return false;
    case InputAction::Choose: return activate();
    case InputAction::Back: escape(); return false;
    default: return false;
    }
}

void MenuState::escape()
{
    if (screen == quitScreen) {
        engine->running = false;
    } else if (screen != mainScreen) {
        setScreen(mainScreen);
    } else if (selection != quitEntry) {
        // The first Escape only points at the way out.
        selection = quitEntry;
    } else {
        setScreen(quitScreen);
    }
}

void MenuState::setScreen(int newScreen)
{
    selection = 0;
    screen = newScreen;
    if (newScreen == levelScreen) {
        selection = engine->saveData->openLevelCount() - 1;
    }
}

int MenuState::entryCount() const
{
    if (screen == levelScreen) {
        return engine->saveData->openLevelCount() + 1;  // and the back entry
    }
    return fixedEntryCounts[static_cast<std::size_t>(screen)];
}

void MenuState::moveUp()
{
    --selection;
    if (selection < 0) {
        selection = entryCount() - 1;
    }
}

void MenuState::moveDown()
{
    ++selection;
    if (selection >= entryCount()) {
        selection = 0;
    }
}

bool MenuState::activate()
{
    engine->soundSystem->playSound(SoundEffect::Click);
    switch (screen) {
    case mainScreen: activateMainEntry(); return false;
    case levelScreen: return activateLevelEntry();
    case settingsScreen: activateSetting(); return false;
    case quitScreen: activateQuitEntry(); return false;
    default: setScreen(mainScreen); return false;  // help and records: their one entry is back
    }
}

void MenuState::activateMainEntry()
{
    switch (selection) {
    case levelsEntry: setScreen(levelScreen); break;
    case helpEntry: setScreen(helpScreen); break;
    case recordsEntry: setScreen(recordsScreen); break;
    case settingsEntry: setScreen(settingsScreen); break;
    // Kept in memory only: the file learns the mode with the next save.
    case modeEntry: engine->toggleHardMode(); break;
    default: setScreen(quitScreen); break;
    }
}

bool MenuState::activateLevelEntry()
{
    if (selection >= engine->saveData->openLevelCount()) {
        setScreen(mainScreen);
        return false;
    }
    startLevel(selection);
    return true;
}

void MenuState::startLevel(int level)
{
    GameEngine* current = engine;
    current->level = level;
    current->effects->clear();
    current->soundSystem->fadeOutMusic(levelStartFadeMs);
    // Destroys this state: nothing of it may be touched after this call.
    current->changeState(std::make_unique<ActionState>());
}

void MenuState::activateSetting()
{
    switch (selection) {
    case musicEntry:
        if (engine->toggleMusic()) {
            engine->soundSystem->fadeOutMusic(musicOffFadeMs);
        } else {
            engine->soundSystem->playMusic(menuTrack);
        }
        break;
    case soundEntry: engine->toggleSound(); break;
    case effectsEntry: engine->toggleEffects(); break;
    case fullscreenEntry: switchFullscreen(); break;
    case fpsEntry: engine->toggleFps(); break;
    default:
        engine->saveData->save();
        setScreen(mainScreen);
        break;
    }
}

void MenuState::switchFullscreen()
{
    const bool fullscreen = engine->toggleFullscreen();
    // Every service is made anew; this menu stays current on the settings page.
    engine->init(GameEngine::windowTitle, screenWidth, screenHeight, GameEngine::colourDepth, fullscreen);
    engine->soundSystem->playMusic(menuTrack);
}

void MenuState::activateQuitEntry()
{
    if (selection == quitBackEntry) {
        setScreen(mainScreen);
    } else {
        engine->running = false;
    }
}

bool MenuState::watchHighlighted()
{
    if (selection >= engine->saveData->openLevelCount()) {
        return false;
    }
    const int level = selection;
    const bool hardMode = engine->saveData->hardMode == 1;
    const std::string path = ReplayFile::bestRunPath(level, hardMode);
    Replay run;
    if (!ReplayFile::read(path, level, hardMode, run)) {
        return false;
    }
    watch(
        path, run, [level] { return std::make_unique<MenuState>(levelScreen, level); }, false);
    return true;
}

bool MenuState::startAttract()
{
    const std::vector<RunFile> runs = attractRuns(*engine->saveData);
    if (runs.empty()) {
        return false;
    }
    const RunFile& chosen = runs[static_cast<std::size_t>(attractTurn) % runs.size()];
    Replay run;
    if (!ReplayFile::read(chosen.path, chosen.level, chosen.hardMode, run)) {
        return false;
    }
    const int entry = selection;
    const int turn = attractTurn + 1;
    watch(
        chosen.path, run, [entry, turn] { return std::make_unique<MenuState>(mainScreen, entry, turn); }, true);
    return true;
}

void MenuState::watch(const std::string& path, const Replay& run, StateMaker back, bool anyKeyLeaves)
{
    GameEngine* current = engine;
    current->effects->clear();
    current->soundSystem->fadeOutMusic(levelStartFadeMs);
    // Destroys this state: nothing of it may be touched after this call.
    current->changeState(
        std::make_unique<ActionState>(std::move(back), std::make_unique<ReplayPlayback>(run, path), anyKeyLeaves));
}

void MenuState::noteWatchable()
{
    const int level = screen == levelScreen && selection < engine->saveData->openLevelCount() ? selection : -1;
    const bool hardMode = engine->saveData->hardMode == 1;
    if (level == watchable.level && hardMode == watchable.hardMode) {
        return;
    }
    ReplayHeader header;
    watchable = Watchable{
        level, hardMode,
        level >= 0 && ReplayFile::readHeader(ReplayFile::bestRunPath(level, hardMode), level, hardMode, header)};
}

void MenuState::update(GameEngine* /*current*/)
{
    if (screen == mainScreen && engine->timer->lastTicks - waitedSince >= attractWaitMs) {
        if (startAttract()) {
            return;
        }
        waitedSince = engine->timer->lastTicks;
    }
    noteWatchable();
    const FrameTimer& timer = *engine->timer;
    EffectManager& effects = *engine->effects;
    const std::uint32_t now = timer.lastTicks;
    const float t = static_cast<float>(now) * 0.001f;
    const std::uint32_t frame = timer.frameCount;
    const float u = std::cos(t);
    if (frame % spawnEveryFrames == 0) {
        const int swungX = static_cast<int>(swingCentreX + swingReachX * u);
        effects.spawn(static_cast<int>(swingCentreX + swingReachX * std::sin(t)), bottomY, EffectKind::Bubble, now,
                      particleAngle);
        effects.spawn(swungX, bottomY, EffectKind::Bubble, now, particleAngle);
        effects.spawn(swungX, topY, EffectKind::Ember, now, particleAngle);
        if (frame % pictureEveryFrames == 0) {
            effects.spawn(static_cast<int>(pictureCentreX + swingReachX * u), pictureY, EffectKind::RisingPicture, now,
                          particleAngle);
        }
    }
    // The menu's particles drift at half the speed of play.
    effects.update(static_cast<int>(timer.frameMs >> 1));
}

void MenuState::draw(GameEngine* /*current*/)
{
    drawMenu(*this, *engine);
}
