// The two states in a real engine. The action state driven by synthetic SDL events and by whole
// frames as the main loop runs them, on a clock that moves only by the frames' own pacing or when
// told to; the menu drawn from one-colour fixture sheets, so a pixel tells which picture lies there,
// and every page's texts as drawn. (The frame-rate counter is the end-to-end fps run's.)
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <vector>
#include <initializer_list>
#include <memory>
#include <utility>
#include <string>

#include "engine/frame_loop.hpp"
#include "engine/game_random.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "graphics/gl_test_window.hpp"
#include "support/mixed_sound.hpp"
#include "graphics/sprite.hpp"
#include "graphics/tables.hpp"
#include "graphics/video.hpp"
#include "states/action_state.hpp"
#include "replays/replay_file.hpp"
#include "states/menu_state.hpp"
#include "trial/ghost_path.hpp"
#include "support/engine_test.hpp"
#include "support/scoped_env.hpp"
#include "support/sdl_events.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr int chosenLevel = 4;
constexpr float hintGrey = 0.7f;

// A line as the text reader describes it: glyph set 1, upright, opaque.
std::string said(const char* text, int x, int y, float scale = 1.0f, float r = 1.0f, float g = 1.0f, float b = 1.0f)
{
    return describe(DrawnText{text, x, y, scale, 0.0f, 1, {r, g, b, 1.0f}});
}

class ActionStateTest : public EngineTest {
protected:
    void SetUp() override
    {
        TickSource::install(&clock);
        // A start point in column 10, row 5: the hat begins at (370, 210).
        LevelFile().set(LevelFile::Grid::Objects, 10, 5, 1).write("data/maps/map4.mp");
        start();
        engine.level = chosenLevel;
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        TickSource::install(nullptr);
    }
    ActionState* enter(StateMaker next = {})
    {
        logOf([&] { engine.changeState(std::make_unique<ActionState>(std::move(next))); });
        SDL_Event ignored;
        while (SDL_PollEvent(&ignored) != 0) {
        }
        auto* state = static_cast<ActionState*>(engine.state.get());
        hat = state->hat;
        return state;
    }
    void press(std::initializer_list<SDLKey> syms, bool down = true)
    {
        for (const SDLKey sym : syms) pushKey(sym, down);
        handle();
    }
    // Escape changes state in here, which logs.
    void handle()
    {
        logOf([&] { engine.handleEvents(); });
    }
    // One frame of the main loop, what it drew read back.
    void frame()
    {
        logOf([&] { drawn = trianglesDrawnBy([&] { runFrame(engine); }); });
    }
    void frameAt(std::uint32_t ticks)
    {
        clock.now = ticks;
        frame();
    }
    // The pause sign: the only thing drawn in its tint, red 0.4 + 0.4 sin(0.001 t) over 0.35 grey.
    bool pauseSignShown() const
    {
        const float red = 0.4f + 0.4f * std::sin(0.001f * static_cast<float>(engine.timer->lastTicks));
        return std::any_of(drawn.begin(), drawn.end(), [red](const DrawnTriangle& t) {
            return std::abs(t.colour[0] - red) < 1e-3f && t.colour[1] == 0.35f && t.colour[2] == 0.35f;
        });
    }
    std::vector<std::string> texts() const { return describe(textsIn(drawn)); }
    std::pair<int, int> menuAt() const
    {
        const auto* menu = dynamic_cast<const MenuState*>(engine.state.get());
        return menu == nullptr ? std::pair(-1, -1) : std::pair(menu->screen, menu->selection);
    }

    ManualClock clock{50000};
    Hat* hat = nullptr;
    std::vector<DrawnTriangle> drawn;
    const std::string hudTime = said("Time: 0.00", 10, 20);
};

TEST_F(ActionStateTest, StartsPausedAndKeysResumeThenDriveTheHat)
{
    engine.saveData->hardMode = 1;
    ActionState* state = enter();
    EXPECT_FALSE(state->active);
    EXPECT_TRUE(hat->hardMode);
    EXPECT_EQ(std::pair(hat->position.x, hat->position.y), std::pair(370.0f, 210.0f)) << "on map4.mp's start point";

    press({SDLK_LEFT});
    EXPECT_TRUE(state->active);
    EXPECT_TRUE(hat->keyLeft) << "the key that resumes also acts";

    // Each key sets its own flag going down and clears only it going up.
    bool Hat::*const flags[] = {&Hat::keyLeft, &Hat::keyRight, &Hat::keyThrust};
    const std::pair<SDLKey, bool Hat::*> bindings[] = {
        {SDLK_a, &Hat::keyLeft},   {SDLK_LEFT, &Hat::keyLeft}, {SDLK_d, &Hat::keyRight}, {SDLK_RIGHT, &Hat::keyRight},
        {SDLK_w, &Hat::keyThrust}, {SDLK_UP, &Hat::keyThrust}, {SDLK_DOWN, nullptr}};
    for (const auto& [sym, bound] : bindings) {
        for (const bool down : {true, false}) {
            for (bool Hat::*flag : flags) hat->*flag = !down;
            press({sym}, down);
            for (bool Hat::*flag : flags) {
                EXPECT_EQ(hat->*flag, (flag == bound) == down) << "key " << sym << (down ? " down" : " up");
            }
        }
    }

    // Losing the mouse, the keyboard or the window pauses; only a key resumes.
    for (const int which : {SDL_APPMOUSEFOCUS, SDL_APPINPUTFOCUS, SDL_APPACTIVE}) {
        for (const Uint8 gain : {0, 1}) {
            pushFocus(static_cast<Uint8>(which), gain);
            handle();
            EXPECT_FALSE(state->active) << "focus " << which << (gain ? " regained" : " lost");
        }
        press({SDLK_s});
        EXPECT_TRUE(state->active);
    }

    // Hat centre, then the view's corner: inside, held at the top left, held at the bottom right.
    for (const auto& [cx, cy, x, y] :
         {std::array{6000, 400, 5600, 100}, std::array{100, 50, 0, 0}, std::array{11950, 790, 11200, 200}}) {
        hat->position.set(cx - 15.0f, cy - 15.0f, 0.0f);
        state->update(&engine);
        EXPECT_EQ(std::pair(viewRect.x, viewRect.y), std::pair(x, y)) << cx << "," << cy;
    }

    pushBare(SDL_QUIT);
    handle();
    EXPECT_FALSE(engine.running);
}

TEST_F(ActionStateTest, TheFinishSubmitsItsTimeOnceAndTheSkipKeyNeverFinishesABurstHat)
{
    ActionState* state = enter();
    hat->failed = true;
    press({SDLK_1});
    EXPECT_FALSE(hat->goalReached) << "after a burst only Escape leaves";

    hat->failed = false;
    hat->levelTime = 83456;
    press({SDLK_1, SDLK_1});
    EXPECT_TRUE(hat->goalReached);
    EXPECT_EQ(hat->levelTime, 83456 + 1200000) << "twenty minutes added, once";

    // The update after the finish submits it, also while paused; drawing submits nothing.
    pushFocus(0, 0);
    handle();
    ASSERT_FALSE(state->active);
    engine.timer->lastTicks = 123456;
    state->draw(&engine);
    EXPECT_EQ(state->finishTime, 0u);
    state->update(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_TRUE(hat->newRecord);
    const std::vector<std::uint8_t> file = readFile("data/dat/game.dat");
    hat->levelTime = 1000;
    engine.timer->lastTicks += 16;
    state->update(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 83456 + 1200000) << "submitted only once";
    EXPECT_EQ(readFile("data/dat/game.dat"), file);
}

TEST_F(ActionStateTest, AKeyActsFromTheNextFramesUpdateAndWhilePausedTheWorldStandsBehindThePauseSign)
{
    const ActionState* state = enter();
    frame();
    EXPECT_TRUE(pauseSignShown() && hat->levelTime == 0) << "a level starts paused";
    EXPECT_EQ(texts(), (std::vector<std::string>{hudTime})) << "with the HUD";

    pushKey(SDLK_UP);
    frame();
    EXPECT_TRUE(state->active && hat->keyThrust) << "read after this frame's update";
    EXPECT_EQ(hat->levelTime, 0);
    EXPECT_TRUE(pauseSignShown()) << "drawn before the key was read";
    const float restingY = hat->velocityY;
    frame();
    EXPECT_FALSE(pauseSignShown());
    EXPECT_EQ(hat->levelTime, 16);
    EXPECT_LT(hat->velocityY, restingY) << "thrust, 850 px/s2 up, beats the pull, about 410 down";

    pushFocus(SDL_APPINPUTFOCUS, 0);
    frame();
    const std::tuple<float, float, std::int32_t, std::int32_t> before{hat->position.x, hat->position.y, hat->levelTime,
                                                                      hat->pressure};
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_TRUE(pauseSignShown());
    EXPECT_EQ(std::tuple(hat->position.x, hat->position.y, hat->levelTime, hat->pressure), before) << "frozen";
}

TEST_F(ActionStateTest, TheResultShowsHowTheLevelEndedAndTheStateItWasToldOfTakesOverOnlyAfterTwoSeconds)
{
    const std::string newRecord = said("New record!!", 320, 290, 1.3f);
    const std::string slower = said("You managed to finish, but your previous record was better.", 80, 290);
    // The skip key's twenty minutes, against a best of one second.
    const std::string difference = said("1199.02 s slower than your best", 245, 318, 1.0f, 1.0f, 0.35f, 0.31f);
    const std::string retry = said("Press R to try again", 300, 370, 1.0f, hintGrey, hintGrey, hintGrey);
    const std::vector<std::string> failed = {
        said("You failed! Press ESC!", 310, 290),
        said("Do not let your gasmeter turn green!", 250, 310, 1.0f, 0.8f, 0.2f, 0.2f), retry};
    int made = 0;
    const StateMaker toRecordsEntry = [&made] {
        ++made;
        return std::make_unique<MenuState>(MenuState::mainScreen, MenuState::recordsEntry);
    };
    const std::pair told(MenuState::mainScreen, MenuState::recordsEntry);
    // The record before, whether the hat bursts instead of finishing, what shows after the end.
    const std::tuple<int, bool, std::vector<std::string>> endings[] = {
        {0, false, {newRecord, retry}}, {1000, false, {slower, difference, retry}}, {1000, true, failed}};
    for (const auto& [record, bursts, shown] : endings) {
        SCOPED_TRACE(bursts ? "burst" : record == 0 ? "first finish" : "slower finish");
        engine.saveData->records[chosenLevel] = record;
        enter(toRecordsEntry);
        pushKey(SDLK_LEFT);
        frame();
        if (bursts) {
            hat->pressure = hat->capacity;
        } else {
            pushKey(SDLK_1);
        }
        frame();  // the digit is read
        frame();  // the end is seen
        const std::uint32_t end = engine.timer->lastTicks;
        std::vector<std::string> lines = texts();
        lines.erase(lines.begin());  // the HUD's time
        EXPECT_EQ(lines, shown);
        EXPECT_EQ(engine.saveData->records[chosenLevel], record == 0 ? hat->levelTime : record);

        frameAt(end + 2000);
        EXPECT_EQ(engine.state->name, "ActionState") << "two seconds: not yet";
        frameAt(end + 2001);
        EXPECT_EQ(menuAt(), bursts ? std::pair(-1, -1) : told) << "a burst waits for Escape";
    }
    // Escape leaves at once and the rest of the queue is the menu's.
    pushKey(SDLK_ESCAPE);
    pushKey(SDLK_DOWN);
    frame();
    EXPECT_EQ(menuAt(), told);
    frame();
    EXPECT_EQ(menuAt(), std::pair(MenuState::mainScreen, MenuState::recordsEntry + 1));
    EXPECT_EQ(made, 3);
}

TEST_F(ActionStateTest, TheRetryKeyStartsTheLevelAfreshFromPlayAfterABurstAndAfterTheFinish)
{
    enum class Stand { Playing, Burst, Finished, SkippedInTheSameBatch };
    int menus = 0;
    const StateMaker countedMenu = [&menus] {
        ++menus;
        return std::make_unique<MenuState>();
    };
    for (const Stand stand : {Stand::Playing, Stand::Burst, Stand::Finished, Stand::SkippedInTheSameBatch}) {
        SCOPED_TRACE(static_cast<int>(stand));
        engine.saveData->records[chosenLevel] = 0;
        enter(countedMenu);
        const Vector3 start = hat->position;
        pushKey(SDLK_LEFT);
        for (int i = 0; i < 10; ++i) frame();
        if (stand == Stand::Burst) {
            hat->pressure = hat->capacity;
        } else if (stand != Stand::Playing) {
            pushKey(SDLK_1);
        }
        if (stand != Stand::SkippedInTheSameBatch) {
            frame();
            frame();
        }
        // Where the skip key comes in the same batch, the frame's update runs one more frame first.
        const std::int32_t ranFor = hat->levelTime;
        pushKey(SDLK_r);
        frame();

        const auto* fresh = dynamic_cast<const ActionState*>(engine.state.get());
        ASSERT_NE(fresh, nullptr);
        EXPECT_FALSE(fresh->active) << "paused at its start";
        EXPECT_EQ(fresh->finishTime, 0u);
        hat = fresh->hat;
        EXPECT_EQ(std::tuple(hat->levelTime, hat->pressure, hat->capacity, hat->failed, hat->goalReached, hat->keyLeft),
                  std::tuple(0, 5000, 10000, false, false, false));
        EXPECT_EQ(std::pair(hat->position.x, hat->position.y), std::pair(start.x, start.y));
        const std::int32_t submitted = stand == Stand::Finished ? ranFor
                                       : stand == Stand::SkippedInTheSameBatch
                                           ? ranFor + 16 + ActionState::skipPenaltyMs
                                           : 0;
        EXPECT_EQ(engine.saveData->records[chosenLevel], submitted) << "a finish is submitted, once";
        EXPECT_EQ(menus, 0) << "no menu in between";

        pushKey(SDLK_ESCAPE);
        frame();
        EXPECT_EQ(menus, 1) << "the new run leads where the old one did";
        menus = 0;
    }
}

// A best run's ghost beside the hat on a built level full of objects that draw random numbers.
class ActionStateGhostTest : public ActionStateTest {
protected:
    // The classic SDL takes the named file for a pad without asking it anything.
    ScopedEnv device{"SDL_JOYSTICK_DEVICE", "/dev/null"};

    void SetUp() override
    {
        ActionStateTest::SetUp();
        std::filesystem::copy_file(std::string(FEZZLE_DATA_DIR) + "/maps/map9.mp", "data/maps/map4.mp",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // Each frame's entities (kind, place, alive) and at the end the generator: the whole run.
    std::vector<std::tuple<int, float, float, bool>> fly(bool withGhost, const GameRandom::State& random)
    {
        clock.now = 70000;
        GameRandom::shared().setState(random);
        ActionState* state = enter();
        if (withGhost) {
            state->ghost = std::make_unique<GhostPath>(std::vector<ReplaySample>{
                {hat->position.x, hat->position.y, 1.0f, 0}, {hat->position.x + 600.0f, 100.0f, 5.0f, 3000}});
        }
        std::vector<std::tuple<int, float, float, bool>> run;
        bool seen = false;
        for (int frameNumber = 0; frameNumber < 240; ++frameNumber) {
            if (frameNumber % 40 == 0) pushKey(frameNumber % 80 == 0 ? SDLK_UP : SDLK_RIGHT);
            frame();
            seen = seen || ghostDrawn();
            for (const Entity* entity : state->world->objects) {
                run.emplace_back(entity->type, entity->position.x, entity->position.y, entity->alive);
            }
        }
        EXPECT_EQ(seen, withGhost);
        const GameRandom::State end = GameRandom::shared().state();
        EXPECT_NE(end, random) << "the level draws random numbers";
        run.emplace_back(static_cast<int>(end.front), static_cast<float>(end.table[0]),
                         static_cast<float>(end.table[30]), true);
        return run;
    }
    // The hat's picture drawn at a third of full alpha, white: the ghost and nothing else.
    bool ghostDrawn() const
    {
        return std::any_of(drawn.begin(), drawn.end(), [](const DrawnTriangle& t) {
            return t.colour[0] == 1.0f && t.colour[1] == 1.0f && std::abs(t.colour[3] - 0.33f) < 1e-3f;
        });
    }
};

TEST_F(ActionStateGhostTest, ALevelFlownWithItsGhostRunsAsWithoutItFrameForFrame)
{
    const GameRandom::State random = GameRandom::shared().state();
    EXPECT_EQ(fly(true, random), fly(false, random));
}

TEST_F(ActionStateGhostTest, TheBestRunFliesOnlyWhileTheLevelRunsGShowsOrHidesItAndTheStartSaysHowToFly)
{
    const auto shows = [this](const std::string& text) {
        const std::vector<std::string> shown = texts();
        return std::find(shown.begin(), shown.end(), text) != shown.end();
    };
    const Vector3 start = enter()->hat->position;
    Replay best;
    best.header = ReplayHeader{chosenLevel, false, ReplayFile::levelChecksum(chosenLevel), 16, 2};
    best.samples = {{start.x, start.y, 1.0f, 0}, {start.x + 20.0f, start.y, 1.0f, 16}};
    best.clockReads = {16, 32};
    ASSERT_TRUE(ReplayFile::write(ReplayFile::bestRunPath(chosenLevel, false), best));
    ActionState* state = enter();
    ASSERT_NE(state->ghost, nullptr);
    EXPECT_FLOAT_EQ(state->ghost->at(8).x, start.x + 10.0f);
    const std::string ghostHint = said("G shows or hides the ghost", 270, 420, 1.0f, hintGrey, hintGrey, hintGrey);
    const std::string padHint =
        said("Pad: stick steers, 1st button blows gas, 2nd leaves", 145, 450, 1.0f, hintGrey, hintGrey, hintGrey);
    frame();
    EXPECT_FALSE(ghostDrawn()) << "paused: the level's layers only";
    EXPECT_TRUE(shows(ghostHint));
    EXPECT_EQ(shows(padHint), engine.pads.openCount() > 0) << "only with a pad";
    pushKey(SDLK_g);
    frame();
    frame();
    EXPECT_TRUE(state->active) << "g resumes, as any key";
    EXPECT_FALSE(ghostDrawn());
    EXPECT_FALSE(shows(ghostHint) || shows(padHint)) << "gone once flying";
    EXPECT_EQ(readText("data/dat/options.dat"), "fezzle-options 1\nghost 0\n");
    EXPECT_TRUE(shows(said("Ghost hidden", 340, 60)));
    const std::vector<std::uint8_t> save = readFile("data/dat/game.dat");

    pushKey(SDLK_g);
    frame();
    frame();
    EXPECT_TRUE(ghostDrawn());
    EXPECT_EQ(readText("data/dat/options.dat"), "fezzle-options 1\nghost 1\n");
    EXPECT_EQ(readFile("data/dat/game.dat"), save) << "never in the save file";
    frameAt(engine.timer->lastTicks + 1500);
    EXPECT_FALSE(shows(said("Ghost shown", 345, 60))) << "the notice shows for a moment";

    engine.saveData->hardMode = 1;
    EXPECT_EQ(enter()->ghost, nullptr) << "no best run in hard mode";
}

// The music as the mixer plays it, each track a steady tone of its own loudness.
class ActionStateMusicTest : public ActionStateTest {
protected:
    static constexpr int menuPeak = 300;
    static constexpr int easyPeak = 9000;
    static constexpr int hardPeak = 18000;
    static constexpr int silent = 400;  // below a twentieth of either level track, above the menu's

    void SetUp() override
    {
        const SoundSystem names;
        for (const char* effect : names.effectFiles) writeWav(std::string("data/sound/") + effect, 100, 0);
        const int peaks[] = {menuPeak, easyPeak, hardPeak};
        for (int track = 0; track < SoundSystem::trackCount; ++track) {
            // Long enough not to loop during a fade: the mixer steps a fade once more at each loop.
            writeWav(std::string("data/sound/") + names.musicFiles[static_cast<std::size_t>(track)], 10000,
                     peaks[track]);
        }
        ActionStateTest::SetUp();
        countMixing();
    }
    // Where a track's level held steady and how long it then took to die away, in ms, from the
    // loudness of each period of the 441 Hz tone.
    static std::pair<long, long> fadeAfter(const MixedOutput& out, int level, long fromFrame)
    {
        constexpr long period = 100;
        long frame = fromFrame;
        const auto loudness = [&out](long at) { return out.peak(at, at + period); };
        while (frame < out.frames() && loudness(frame) < level * 98 / 100) frame += period;
        while (frame < out.frames() && loudness(frame) >= level * 98 / 100) frame += period;
        const long fadeFrom = frame;
        while (frame < out.frames() && loudness(frame) >= silent) frame += period;
        return {fadeFrom, (frame - fadeFrom) * 1000 / 44100};
    }

    // The mixer at about four times real time: a few frames of the game are but a moment of music.
    DiskAudio disk{dir.path() + "/out.raw", 20};
};

TEST_F(ActionStateMusicTest, EachModeHasItsTrackWhichFadesOverTwoSecondsAtTheFinishAndOverThreeTenthsOnLeaving)
{
    // Easy mode is finished with the digit key, hard mode left with Escape.
    for (const auto& [hard, ending] : {std::pair{0, SDLK_1}, std::pair{1, SDLK_ESCAPE}}) {
        engine.saveData->hardMode = static_cast<std::uint8_t>(hard);
        enter();
        ASSERT_TRUE(mixUntil([] { return Mix_PlayingMusic() == 1 && Mix_FadingMusic() == MIX_NO_FADING; }, 3000));
        mixFor(300);
        pushKey(ending);
        frame();
        frame();
        ASSERT_TRUE(mixUntil([] { return Mix_FadingMusic() != MIX_FADING_OUT; }, 3000)) << "faded out";
        if (ending == SDLK_1) {
            pushKey(SDLK_ESCAPE);
            frame();
        }
    }
    engine.soundSystem->close();
    const MixedOutput out = MixedOutput::readFrom(dir.path() + "/out.raw");
    const auto [easyFade, easyMs] = fadeAfter(out, easyPeak, 0);
    EXPECT_NEAR(easyMs, 2000, 150) << "easy.o, at the finish";
    const auto [hardFade, hardMs] = fadeAfter(out, hardPeak, easyFade);
    EXPECT_NEAR(hardMs, 300, 150) << "hard.o, on leaving";
    EXPECT_LT(out.peak(0, easyFade), hardPeak * 9 / 10) << "the hard track only in hard mode";
    EXPECT_GT(hardFade, easyFade);
}

constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb yellow{255, 255, 0};

void writeSolid(const std::string& name, Rgb colour)
{
    writeSheet("data/" + name, 8, 8, [colour](int, int) { return colour; });
}

// Which of the fixture colours a tinted pixel comes from: the on mark, the off mark, or neither.
char hueOf(Rgb pixel)
{
    const bool reddish = pixel[0] > 100;
    const bool greenish = pixel[1] > 100;
    return reddish == greenish ? '-' : reddish ? 'r' : 'g';
}

class MenuScreensGlTest : public EngineTest {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);  // unless one is chosen
        writeSolid("kuva29.png", green);        // on
        writeSolid("kuva30.png", red);          // off
        writeSolid("font.png", white);          // every glyph a block
        writeSolid("kuva19.png", blue);         // easy mode
        writeSolid("kuva21.png", yellow);       // hard mode
        start();
        logOf([&] { engine.changeState(std::make_unique<MenuState>()); });
        menu = static_cast<MenuState*>(engine.state.get());
    }
    void show(int screen, int selection)
    {
        menu->setScreen(screen);
        menu->selection = selection;
        clearFrame();
        engine.draw();
    }
    // The hue beside settings entry i, right of its caption, where only its on/off mark lies.
    char markOf(int entry) { return hueOf(pixelAt(700, 232 + 60 * entry)); }

    MenuState* menu = nullptr;
};

TEST_F(MenuScreensGlTest, SettingsMarksShowWhatIsOnTheFrameRateFlagReadsTheOtherWayAndTheModeEntryItsMode)
{
    engine.toggleMusic();
    show(MenuState::settingsScreen, MenuState::saveEntry);
    EXPECT_EQ(markOf(MenuState::musicEntry), 'r') << "music off";
    EXPECT_EQ(markOf(MenuState::soundEntry), 'g');
    EXPECT_EQ(markOf(MenuState::effectsEntry), 'g');
    EXPECT_EQ(markOf(MenuState::fpsEntry), 'r') << "showFps clear: the display is off";
    engine.toggleFps();
    engine.toggleEffects();
    show(MenuState::settingsScreen, MenuState::saveEntry);
    EXPECT_EQ(markOf(MenuState::fpsEntry), 'g');
    EXPECT_EQ(markOf(MenuState::effectsEntry), 'r');

    for (const auto& [hard, bluish] : {std::pair{0, true}, std::pair{1, false}}) {
        engine.saveData->hardMode = static_cast<std::uint8_t>(hard);
        show(MenuState::mainScreen, 0);
        const Rgb seen = pixelAt(400, 472);
        EXPECT_EQ(seen[2] > seen[0], bluish) << (hard ? "hard: kuva21.png" : "easy: kuva19.png");
    }
}

// A line as the reader describes it, from the values a page is written with.
std::string line(const std::string& text, int x, int y, float scale, float angle, int glyphSet, float r, float g,
                 float b, float a = 1.0f)
{
    return describe(DrawnText{text, x, y, scale, angle, glyphSet, {r, g, b, a}});
}

class MenuTextsGlTest : public MenuScreensGlTest {
protected:
    // The page's own texts: the two credit lines come last on every page.
    std::vector<std::string> pageTexts(int screen, int selection = 0)
    {
        std::vector<std::string> texts = shownTexts(screen, selection);
        texts.resize(texts.size() - 2);
        return texts;
    }
    std::vector<std::string> shownTexts(int screen, int selection = 0)
    {
        menu->setScreen(screen);
        menu->selection = selection;
        return describe(textsDrawnBy([&] { engine.draw(); }));
    }
    // "Easy start           [1.01]": the padded name and the record of 61 s, 62 s, ...
    static std::string row(int level)
    {
        return std::string(levelNames[static_cast<std::size_t>(level)]) + " [1." + (level < 9 ? "0" : "") +
               std::to_string(level + 1) + "]";
    }
    void recordLevels(int count)
    {
        for (int level = 0; level < count; ++level)
            engine.saveData->records[static_cast<std::size_t>(level)] = 61000 + 1000 * level;
    }

    // t = 1 s on the game clock.
    const float s = std::sin(1.0f);
    const float u = std::cos(1.0f);
};

TEST_F(MenuTextsGlTest, TheHelpRecordsAndQuitPagesSayTheirTextsWhereAndHowTheyShould)
{
    engine.timer->lastTicks = 1000;
    const float heading[] = {0.7f, 0.2f, 0.2f};
    const float body[] = {0.2f, 0.8f, 0.2f};
    const auto help = [&](const char* text, int y, const float* colour, float scale = 1.0f, float angle = 0.0f) {
        return line(text, 80, y, scale, angle, 0, colour[0], colour[1], colour[2]);
    };
    EXPECT_EQ(pageTexts(MenuState::helpScreen),
              (std::vector<std::string>{help("What is this all about?", 300, heading, 1.2f),
                                        help("You are in control of magical flying and farting hat.", 340, body),
                                        help("Your goal is to reach the TOILET before your inner pressure", 360, body),
                                        help("gets too high.", 380, body),
                                        help("You can control the hat with arrowkeys..", 400, heading, 1.0f, 0.2f * s),
                                        help("Gasmeter explanation", 430, heading, 1.2f),
                                        help("Green bar shows how much gas you have left.", 450, body),
                                        help("Red bar tells how much gas you can handle", 470, body),
                                        help("If the green bar cathes up to red bar, you will blow up", 490, body),
                                        help("because of too high pressure!", 510, body)}));

    // Records: none yet; then 17 of the 18 easy levels, and all 18.
    EXPECT_EQ(pageTexts(MenuState::recordsScreen),
              (std::vector<std::string>{
                  line("No scores yet for this game mode..", 75, 360, 1.3f, 13.0f * s, 1, 1.0f, 1.0f, s)}));
    for (int recorded : {17, 18}) {
        recordLevels(recorded);
        std::vector<std::string> rows;
        for (int level = 0; level < recorded; ++level)
            rows.push_back(
                line(row(level), 75, 170 + 20 * level, 1.3f, 0.0f, 1, 0.3f + 0.6f * s, 0.6f, 0.6f + 0.2f * u));
        rows.push_back(
            line("Try the other game mode!", 75, 555, 1.3f, 1.0f, 1, 0.3f + 0.6f * s, 0.6f, 0.6f + 0.2f * u));
        EXPECT_EQ(pageTexts(MenuState::recordsScreen), rows) << recorded << " records";
    }

    // The time since start in minutes and seconds.
    engine.timer->lastTicks = 83456;
    const float t = 83.456f;
    EXPECT_EQ(pageTexts(MenuState::quitScreen),
              (std::vector<std::string>{line("You wasted 1.23 minutes playing this game", 200, 565, 1.0f, 0.0f, 0,
                                             0.4f * (1.0f + std::sin(t)), 0.9f - 0.4f * std::cos(t),
                                             0.4f * (1.0f + std::cos(t)))}));
}

TEST_F(MenuTextsGlTest, TheLevelRowsLightTheChosenOneAndTheCreditLinesFadeInTheirFrameWindows)
{
    engine.timer->lastTicks = 1000;
    recordLevels(3);  // four open levels, the last without a time
    std::vector<std::string> rows;
    for (int level = 0; level < 4; ++level) {
        const bool chosen = level == 2;
        rows.push_back(line(level < 3 ? row(level) : std::string(levelNames[3]) + " [0.00]", 75, 170 + 20 * level, 1.3f,
                            0.0f, 1, chosen ? 0.3f + 0.6f * s : 0.72f, chosen ? 0.6f : 0.69f,
                            chosen ? 0.6f + 0.2f * u : 0.58f));
    }
    EXPECT_EQ(pageTexts(MenuState::levelScreen, 2), rows);

    // At t = 0 the lines circle through (400, 550) and (660, 310), in glyph set int(cos 0) = 1; the
    // second runs off the right edge after 14 glyphs, and the one cut by it is not reported.
    engine.timer->lastTicks = 0;
    const auto credits = [](float first, float second) {
        return std::vector<std::string>{
            line("Congratulations to Rasmok", 400, 550, 1.0f, 0.0f, 1, 0.6f, 0.6f, 0.6f, first),
            line("\"THEY MADE ME", 660, 310, 1.0f, 0.0f, 1, 0.6f, 0.6f, 0.6f, second)};
    };
    // Frame, alpha of each: the first shows from 3600 to 5100, the second from 1000 to 3500.
    const std::tuple<std::uint32_t, float, float> frames[] = {
        {1150, 0.0f, 0.5f}, {3900, 0.5f, 0.0f}, {4500, 1.0f, 0.0f}, {4950, 0.5f, 0.0f}};
    for (const auto& [frame, first, second] : frames) {
        engine.timer->frameCount = frame;
        EXPECT_EQ(shownTexts(MenuState::mainScreen), credits(first, second)) << "frame " << frame;
    }
    // Where the cosine is exactly -1 the set is -1, which has no glyph for any printable byte.
    std::uint32_t ticks = 3000;
    while (static_cast<int>(std::cos(static_cast<float>(ticks) * 0.001f)) != -1) ++ticks;
    engine.timer->lastTicks = ticks;
    EXPECT_TRUE(shownTexts(MenuState::mainScreen).empty()) << "at " << ticks << " ms";
}

}  // namespace
