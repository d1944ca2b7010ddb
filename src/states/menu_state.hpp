// The menu: one state with six screens (main menu, level list, help, records, settings, quit
// confirmation), the keys that move between them, the settings switches and the rising particles
// behind it all.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/game_state.hpp"
#include "engine/input_path.hpp"
#include "graphics/rect.hpp"

struct Replay;

class MenuState : public GameState {
public:
    static constexpr int mainScreen = 0;
    static constexpr int levelScreen = 1;
    static constexpr int helpScreen = 2;
    static constexpr int recordsScreen = 3;
    static constexpr int settingsScreen = 4;
    static constexpr int quitScreen = 5;
    static constexpr int screenCount = 6;

    // Entries of the main menu.
    static constexpr int levelsEntry = 0;
    static constexpr int helpEntry = 1;
    static constexpr int recordsEntry = 2;
    static constexpr int settingsEntry = 3;
    static constexpr int modeEntry = 4;
    static constexpr int quitEntry = 5;
    // Entries of the settings page.
    static constexpr int musicEntry = 0;
    static constexpr int soundEntry = 1;
    static constexpr int effectsEntry = 2;
    static constexpr int fullscreenEntry = 3;
    static constexpr int fpsEntry = 4;
    static constexpr int saveEntry = 5;
    // Entries of the quit confirmation.
    static constexpr int confirmQuitEntry = 0;
    static constexpr int quitBackEntry = 1;

    static constexpr int mainEntryCount = 6;
    static constexpr int settingsEntryCount = 6;

    // Opens on the level list with the highest open level highlighted, as every menu a level
    // hands back to does.
    MenuState() : GameState("MenuState") {}
    // Opens on `openScreen` with entry `openEntry` highlighted (held to the screen's entries): where a
    // level that was not chosen from the level list hands back to.
    // `turn` counts the runs the attract mode has shown, so that the next one follows them.
    MenuState(int openScreen, int openEntry, int turn = 0)
        : GameState("MenuState"), opening(Opening{openScreen, openEntry}), attractTurn(turn)
    {}

    // How long the main menu waits without a key before it plays a run by itself.
    static constexpr std::uint32_t attractAfterMs = 90000;
    // Shortens that wait (for tests), in ms.
    static constexpr const char* attractWaitVariable = "FEZZLE_ATTRACT_MS";

    void init(GameEngine* engine) override;
    void cleanup(GameEngine* engine) override;
    void pause() override { active = false; }
    void resume() override { active = true; }
    // Starting a level destroys this state from in here.
    void handleEvents(GameEngine* engine) override;
    void update(GameEngine* engine) override;
    void draw(GameEngine* engine) override;

    // The level list opens on the highest open level, every other screen on its first entry.
    void setScreen(int newScreen);
    void moveUp();
    void moveDown();
    // True when a level was started: this state is gone.
    bool activate();
    // How many entries the screen shown has; the level list's depends on the records.
    int entryCount() const;
    // Whether the highlighted entry of the level list is a level with a best run in the current mode.
    bool highlightedHasRun() const { return watchable.has; }

    GameEngine* engine = nullptr;
    int screen = mainScreen;
    int selection = 0;
    std::array<Rect, mainEntryCount> mainRects{};
    std::array<Rect, settingsEntryCount> settingsRects{};

private:
    struct Opening {
        int screen;
        int selection;
    };
    // Where init opens the menu; the level list's usual start when unset.
    std::optional<Opening> opening;
    int attractTurn = 0;
    std::uint32_t waitedSince = 0;
    std::uint32_t attractWaitMs = attractAfterMs;
    // Whether the level highlighted has a best run: asked of the file once per level and mode.
    struct Watchable {
        int level = -1;
        bool hardMode = false;
        bool has = false;
    };
    Watchable watchable;

    void noteWatchable();
    // True when a run is being watched: this state is gone.
    bool watchHighlighted();
    bool startAttract();
    void watch(const std::string& path, const Replay& run, StateMaker back, bool anyKeyLeaves);

    // True when this state was replaced (and destroyed).
    bool takeInput(const Input& input);
    void escape();
    void activateMainEntry();
    bool activateLevelEntry();
    void activateSetting();
    void activateQuitEntry();
    void startLevel(int level);
    void switchFullscreen();
};
