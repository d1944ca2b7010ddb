// The menu driven by synthetic key events on a headless engine: where it opens, its keys and what
// reaches the save file, starting a level, and the particles behind it all.
#include <gtest/gtest.h>

#include <SDL.h>
#include <string>
#include <typeinfo>
#include <initializer_list>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/game_engine.hpp"
#include "entities/bubble_effect.hpp"
#include "entities/ember_effect.hpp"
#include "entities/rising_picture_effect.hpp"
#include "states/menu_state.hpp"
#include "support/event_queue_test.hpp"
#include "support/sdl_events.hpp"
#include "support/sound_probe.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

constexpr int clickSound = 7;

class MenuStateTest : public EventQueueTest {
protected:
    void SetUp() override
    {
        EventQueueTest::SetUp();
        engine.initHeadless();
    }
    void TearDown() override
    {
        logOf([&] { engine.cleanup(); });
    }

    // As the entry code does it: the menu made current, then its main screen shown.
    void enterMenu()
    {
        logOf([&] { engine.changeState(std::make_unique<MenuState>()); });
        menu()->setScreen(MenuState::mainScreen);
    }
    MenuState* menu() { return dynamic_cast<MenuState*>(engine.state.get()); }

    void press(std::initializer_list<SDLKey> keys)
    {
        for (SDLKey key : keys) pushKey(key);
        logOf([&] { engine.handleEvents(); });
    }
    void recordLevels(int count, int base = 0)
    {
        for (int level = 0; level < count; ++level) {
            engine.saveData->records[static_cast<std::size_t>(base + level)] = 60000 + level;
        }
    }
    // The screen shown and its highlighted entry.
    std::pair<int, int> at()
    {
        return menu() == nullptr ? std::pair{-1, -1} : std::pair{menu()->screen, menu()->selection};
    }

    TempDir dir;
    GameEngine engine;
};

TEST_F(MenuStateTest, EveryScreenWrapsBothWaysWithArrowsAndLetters)
{
    recordLevels(3);  // four open levels: the list has five entries
    enterMenu();
    const std::vector<std::pair<int, int>> counts = {{MenuState::mainScreen, 6},     {MenuState::levelScreen, 5},
                                                     {MenuState::helpScreen, 1},     {MenuState::recordsScreen, 1},
                                                     {MenuState::settingsScreen, 6}, {MenuState::quitScreen, 2}};
    for (const auto& [screen, count] : counts) {
        SCOPED_TRACE(screen);
        menu()->setScreen(screen);
        menu()->selection = 0;
        press({SDLK_UP});
        EXPECT_EQ(at(), (std::pair{screen, count - 1}));
        press({SDLK_DOWN});
        EXPECT_EQ(at(), (std::pair{screen, 0}));
        press({SDLK_s});
        EXPECT_EQ(at(), (std::pair{screen, count > 1 ? 1 : 0}));
        press({SDLK_w, SDLK_w});
        EXPECT_EQ(at(), (std::pair{screen, count - 1}));
    }
}

TEST_F(MenuStateTest, TheLevelListOpensOnTheHighestOpenLevelOfTheModeAndChoosingOneHandsOverAtOnce)
{
    logOf([&] { engine.changeState(std::make_unique<MenuState>()); });
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 0})) << "a menu made by a level keeps the list";
    EXPECT_EQ(menu()->entryCount(), 2) << "no records: level 1 and back";

    recordLevels(5);
    menu()->setScreen(MenuState::levelScreen);
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 5}));
    press({SDLK_DOWN, SDLK_DOWN});
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 0})) << "from the back entry (6) to the first level";
    press({SDLK_UP});
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 6}));

    // A menu made for a screen and entry opens there, the entry held to the screen's.
    const std::tuple<int, int, int> openings[] = {
        // screen, entry asked for, entry shown
        {MenuState::mainScreen, MenuState::recordsEntry, MenuState::recordsEntry},
        {MenuState::levelScreen, 2, 2},
        {MenuState::levelScreen, 9, 6},  // six open levels and the back entry
        {MenuState::settingsScreen, -3, 0}};
    for (const auto& [screen, asked, shown] : openings) {
        logOf([&, screen = screen, asked = asked] { engine.changeState(std::make_unique<MenuState>(screen, asked)); });
        EXPECT_EQ(at(), (std::pair{screen, shown})) << screen << " " << asked;
    }

    // The mode switch is kept in memory only and changes the list when it is next opened.
    menu()->setScreen(MenuState::mainScreen);
    press({SDLK_UP, SDLK_UP, SDLK_RETURN});
    EXPECT_EQ(at(), (std::pair{MenuState::mainScreen, MenuState::modeEntry}));
    EXPECT_EQ(engine.saveData->hardMode, 1);
    EXPECT_FALSE(fileExists("data/dat/game.dat"));
    press({SDLK_DOWN, SDLK_DOWN, SDLK_SPACE});
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 0}));
    EXPECT_EQ(menu()->entryCount(), 2);
    recordLevels(18, SaveData::levelsPerMode);
    menu()->setScreen(MenuState::levelScreen);
    EXPECT_EQ(at(), (std::pair{MenuState::levelScreen, 17})) << "a finished mode offers all 18";

    press({SDLK_UP, SDLK_RETURN, SDLK_ESCAPE});
    ASSERT_NE(engine.state, nullptr);
    EXPECT_EQ(engine.state->name, "ActionState");
    EXPECT_EQ(engine.level, 16) << "the one highlighted";
    SDL_Event left;
    ASSERT_EQ(SDL_PollEvent(&left), 1) << "Escape stays queued for the level";
    EXPECT_EQ(left.key.keysym.sym, SDLK_ESCAPE);
}

TEST_F(MenuStateTest, EscapeOnTheMainMenuPointsAtQuitThenAsksThenEndsTheConfirmationGoesBackAndOnlyActivationsClick)
{
    SoundProbe heard(*engine.soundSystem);
    ASSERT_TRUE(heard.ready());
    enterMenu();
    for (int screen = MenuState::levelScreen; screen <= MenuState::settingsScreen; ++screen) {
        menu()->setScreen(screen);
        press({SDLK_ESCAPE});
        EXPECT_EQ(at(), (std::pair{MenuState::mainScreen, 0}));
    }
    menu()->selection = MenuState::recordsEntry;
    press({SDLK_ESCAPE});
    EXPECT_EQ(at(), (std::pair{MenuState::mainScreen, MenuState::quitEntry}));
    press({SDLK_ESCAPE, SDLK_DOWN, SDLK_RETURN});
    EXPECT_EQ(at(), (std::pair{MenuState::mainScreen, 0})) << "the confirmation's second entry goes back";
    EXPECT_TRUE(engine.running);
    press({SDLK_UP, SDLK_RETURN});
    EXPECT_EQ(at(), (std::pair{MenuState::quitScreen, 0}));
    press({SDLK_ESCAPE});
    EXPECT_FALSE(engine.running);
    EXPECT_FALSE(fileExists("data/dat/game.dat")) << "Escape never saves";

    engine.running = true;
    press({SDLK_RETURN});
    EXPECT_FALSE(engine.running) << "the confirmation's first entry ends";
    engine.running = true;
    pushBare(SDL_QUIT);
    engine.handleEvents();
    EXPECT_FALSE(engine.running) << "the window's close";
    EXPECT_EQ(std::pair(heard.plays(clickSound), heard.totalPlays()), std::pair(3, 3)) << "the quit itself clicks too";
}

TEST_F(MenuStateTest, SettingsSwitchInMemoryAndOnlySaveAndBackWritesThem)
{
    enterMenu();
    menu()->setScreen(MenuState::settingsScreen);
    // Music, sound effects, visual effects, the frame-rate display.
    press({SDLK_RETURN, SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_DOWN, SDLK_RETURN});
    EXPECT_EQ(at(), (std::pair{MenuState::settingsScreen, MenuState::fpsEntry}));
    EXPECT_EQ(std::tuple(engine.soundSystem->musicOff, engine.soundSystem->soundOff, engine.effects->effectsOff,
                         engine.saveData->showFps),
              std::tuple(true, true, true, 1));
    EXPECT_FALSE(fileExists("data/dat/game.dat")) << "the switches alone write nothing";

    press({SDLK_DOWN, SDLK_RETURN});
    EXPECT_EQ(at(), (std::pair{MenuState::mainScreen, 0}));
    const std::vector<std::uint8_t> file = readFile("data/dat/game.dat");
    ASSERT_EQ(file.size(), 152u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 144, file.begin() + 149),
              (std::vector<std::uint8_t>{1, 0, 1, 1, 1}));  // fps, mode, effects, sound, music

    menu()->setScreen(MenuState::settingsScreen);
    press({SDLK_RETURN, SDLK_ESCAPE});
    EXPECT_FALSE(engine.soundSystem->musicOff) << "switched on again, in force without saving";
    EXPECT_EQ(readFile("data/dat/game.dat")[148], 1);
}

TEST_F(MenuStateTest, EveryTwelfthFrameSendsUpTwoBubblesAndDownAnEmberEvery480thAPictureAllAtHalfSpeed)
{
    enterMenu();
    // At t = 1 s the bubbles start at x = int(400 + 350 sin t) = 694 and int(400 + 350 cos t) = 589, the
    // ember at the second, the picture at int(300 + 350 cos t) = 489.
    using Spawn = std::tuple<std::string, int, int>;  // kind, where it was started (its centre)
    const std::vector<Spawn> bubblesAndEmber = {{typeid(BubbleEffect).name(), 694, 600},
                                                {typeid(BubbleEffect).name(), 589, 600},
                                                {typeid(EmberEffect).name(), 589, 0}};
    std::vector<Spawn> withPicture = bubblesAndEmber;
    withPicture.emplace_back(typeid(RisingPictureEffect).name(), 489, 700);
    const std::pair<std::uint32_t, std::vector<Spawn>> frames[] = {
        {11, {}}, {12, bubblesAndEmber}, {13, {}}, {240, bubblesAndEmber}, {470, {}}, {480, withPicture}};
    engine.timer->lastTicks = 1000;
    engine.timer->frameMs = 1;  // half of it is no time: nothing moves but a bubble's sway
    for (const auto& [frame, expected] : frames) {
        engine.effects->clear();
        engine.timer->frameCount = frame;
        menu()->update(&engine);
        std::vector<Spawn> spawned;
        for (const auto& effect : engine.effects->effects) {
            const auto* bubble = dynamic_cast<const BubbleEffect*>(effect.get());
            const int left = bubble != nullptr ? bubble->baseX : static_cast<int>(effect->position.x);
            spawned.emplace_back(typeid(*effect).name(), left + effect->width / 2,
                                 static_cast<int>(effect->position.y) + effect->height / 2);
            EXPECT_EQ(effect->elapsed, 0);
        }
        EXPECT_EQ(spawned, expected) << "frame " << frame;
    }
    engine.timer->frameMs = 17;
    engine.timer->frameCount = 481;
    menu()->update(&engine);
    for (const auto& effect : engine.effects->effects) EXPECT_EQ(effect->elapsed, 8) << "17 ms, halved";
}

}  // namespace
