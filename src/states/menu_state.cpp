#include "states/menu_state.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdio>
#include <memory>

#include "engine/game_engine.hpp"
#include "engine/input_path.hpp"
#include "graphics/video.hpp"
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
    switch (input.action) {
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

void MenuState::update(GameEngine* /*current*/)
{
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
