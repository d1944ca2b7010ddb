// The action state in a real engine, driven by synthetic SDL events: the paused start, the key
// table, focus loss, Escape and the skip key, the record submitted once per finish, the camera
// clamp and the way back to the menu.
#include <gtest/gtest.h>

#include <SDL.h>
#include <memory>
#include <string>

#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "states/action_state.hpp"
#include "support/engine_test.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr int chosenLevel = 4;

class ActionStateTest : public EngineTest {
protected:
    void SetUp() override
    {
        // A start point in column 10, row 5: the hat begins at (370, 210).
        LevelFile file;
        file.set(LevelFile::Grid::Objects, 10, 5, 1);
        file.write("data/maps/map" + std::to_string(chosenLevel) + ".mp");
        start();
        engine.level = chosenLevel;
    }

    ActionState* enter()
    {
        ::testing::internal::CaptureStdout();
        engine.changeState(std::make_unique<ActionState>());
        entryLog = ::testing::internal::GetCapturedStdout();
        drainEvents();
        auto* state = static_cast<ActionState*>(engine.state.get());
        hat = state->hat;
        return state;
    }
    static void drainEvents()
    {
        SDL_Event ignored;
        while (SDL_PollEvent(&ignored) != 0) {
        }
    }
    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    static void key(SDLKey sym, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = sym;
        push(event);
    }
    static void focus(int gain, int which)
    {
        SDL_Event event{};
        event.type = SDL_ACTIVEEVENT;
        event.active.gain = static_cast<Uint8>(gain);
        event.active.state = static_cast<Uint8>(which);
        push(event);
    }
    // The state's own event handling; Escape may end it in here.
    void handle()
    {
        ::testing::internal::CaptureStdout();
        engine.handleEvents();
        handleLog = ::testing::internal::GetCapturedStdout();
    }
    std::string currentName() const { return engine.state->name; }

    std::string entryLog;
    std::string handleLog;
    Hat* hat = nullptr;
};

TEST_F(ActionStateTest, StartsPausedOnTheChosenLevelWithTheSavedMode)
{
    engine.saveData->hardMode = 1;
    ActionState* state = enter();
    EXPECT_EQ(entryLog, ": Moving to state ActionState\n  Initializing new state\n  ActionState::init()\n"
                        "Loaded ./data/maps/map4.mp\n  Initializing went ok\n");
    EXPECT_EQ(state->name, "ActionState");
    EXPECT_FALSE(state->active);
    EXPECT_EQ(state->finishTime, 0u);
    ASSERT_NE(hat, nullptr);
    EXPECT_TRUE(hat->hardMode);
    EXPECT_EQ(hat->position.x, 370.0f) << "on the start point of map4.mp";
    EXPECT_EQ(hat->position.y, 210.0f);
    EXPECT_EQ(state->world->objects.size(), 2);

    // Paused, the world stands still and the clock does not run.
    for (int i = 0; i < 3; ++i) {
        engine.update();
    }
    EXPECT_EQ(hat->levelTime, 0);
    EXPECT_EQ(hat->position.y, 210.0f);
    EXPECT_EQ(hat->pressure, 5000);
}

TEST_F(ActionStateTest, TheFirstKeyResumesAndActsAndFocusLossPausesAgain)
{
    ActionState* state = enter();
    key(SDLK_LEFT, true);
    handle();
    EXPECT_TRUE(state->active);
    EXPECT_TRUE(hat->keyLeft) << "the key that resumes also steers";
    engine.update();
    EXPECT_GT(hat->levelTime, 0);

    const int focusKinds[] = {SDL_APPMOUSEFOCUS, SDL_APPINPUTFOCUS, SDL_APPACTIVE};
    for (const int which : focusKinds) {
        focus(0, which);
        handle();
        EXPECT_FALSE(state->active) << "lost focus " << which;
        const std::int32_t time = hat->levelTime;
        engine.update();
        EXPECT_EQ(hat->levelTime, time) << "the clock stops while paused";
        focus(1, which);
        handle();
        EXPECT_FALSE(state->active) << "only a key resumes";
        key(SDLK_s, true);
        handle();
        EXPECT_TRUE(state->active) << "any key resumes";
    }
}

TEST_F(ActionStateTest, KeysDriveTheHatsFlags)
{
    enter();
    struct Binding {
        SDLKey key;
        bool Hat::*flag;
    };
    const Binding bindings[] = {{SDLK_a, &Hat::keyLeft},  {SDLK_LEFT, &Hat::keyLeft}, {SDLK_d, &Hat::keyRight},
                                {SDLK_RIGHT, &Hat::keyRight}, {SDLK_w, &Hat::keyThrust}, {SDLK_UP, &Hat::keyThrust}};
    bool Hat::*const flags[] = {&Hat::keyLeft, &Hat::keyRight, &Hat::keyThrust};
    for (const Binding& binding : bindings) {
        key(binding.key, true);
        handle();
        for (bool Hat::*flag : flags) {
            EXPECT_EQ(hat->*flag, flag == binding.flag) << "key " << binding.key << " down";
        }
        key(binding.key, false);
        handle();
        EXPECT_FALSE(hat->*binding.flag) << "key " << binding.key << " up";
    }
    for (const SDLKey idle : {SDLK_DOWN, SDLK_s, SDLK_SPACE, SDLK_2}) {
        key(idle, true);
        handle();
        for (bool Hat::*flag : flags) {
            EXPECT_FALSE(hat->*flag) << "key " << idle;
        }
        EXPECT_FALSE(hat->goalReached) << "key " << idle;
    }

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    handle();
    EXPECT_FALSE(engine.running);
    EXPECT_EQ(currentName(), "ActionState");
}

TEST_F(ActionStateTest, EscapeGoesToANewMenuAndLeavesTheRestOfTheQueueToIt)
{
    enter();
    key(SDLK_ESCAPE, true);
    key(SDLK_w, true);
    handle();
    EXPECT_EQ(currentName(), "MenuState");
    EXPECT_EQ(handleLog.rfind(": Moving to state MenuState\n", 0), 0u) << handleLog;
    SDL_Event left{};
    ASSERT_EQ(SDL_PollEvent(&left), 1) << "the w key is still queued";
    EXPECT_EQ(left.type, SDL_KEYDOWN);
    EXPECT_EQ(left.key.keysym.sym, SDLK_w);
}

TEST_F(ActionStateTest, TheSkipKeyFinishesWithTwentyMinutesAddedButNeverABurstHat)
{
    enter();
    hat->levelTime = 5000;
    key(SDLK_1, true);
    handle();
    EXPECT_TRUE(hat->goalReached);
    EXPECT_EQ(hat->levelTime, 5000 + 1200000);
    key(SDLK_1, true);
    handle();
    EXPECT_EQ(hat->levelTime, 5000 + 1200000) << "a finished level is not finished again";

    enter();
    hat->failed = true;
    key(SDLK_1, true);
    handle();
    EXPECT_FALSE(hat->goalReached) << "after a burst only Escape leaves";
    EXPECT_EQ(hat->levelTime, 0);
    engine.state->draw(&engine);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 0);
}

TEST_F(ActionStateTest, TheFinishSubmitsTheTimeOnceAtItsFirstDraw)
{
    ActionState* state = enter();
    engine.state->draw(&engine);
    EXPECT_EQ(state->finishTime, 0u) << "nothing to submit before the finish";

    hat->goalReached = true;
    hat->levelTime = 83456;
    engine.timer->lastTicks = 123456;
    state->draw(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_TRUE(hat->newRecord);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 83456);
    const std::vector<std::uint8_t> file = readFile("data/dat/game.dat");
    ASSERT_EQ(file.size(), 152u);
    EXPECT_EQ(file[4 * chosenLevel] | file[4 * chosenLevel + 1] << 8 | file[4 * chosenLevel + 2] << 16, 83456);

    hat->levelTime = 1000;
    engine.timer->lastTicks += 16;
    state->draw(&engine);
    EXPECT_EQ(state->finishTime, 123456u);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 83456) << "submitted only once";
    EXPECT_EQ(readFile("data/dat/game.dat"), file);
}

TEST_F(ActionStateTest, ASlowerFinishKeepsTheRecordAndHardModeUsesItsOwnSlot)
{
    engine.saveData->records[chosenLevel] = 50000;
    enter();
    hat->goalReached = true;
    hat->levelTime = 50000;
    engine.state->draw(&engine);
    EXPECT_FALSE(hat->newRecord) << "a tie is not a record";
    EXPECT_EQ(engine.saveData->records[chosenLevel], 50000);

    engine.saveData->hardMode = 1;
    enter();
    hat->goalReached = true;
    hat->levelTime = 70000;
    engine.state->draw(&engine);
    EXPECT_TRUE(hat->newRecord);
    EXPECT_EQ(engine.saveData->records[chosenLevel + 18], 70000);
    EXPECT_EQ(engine.saveData->records[chosenLevel], 50000);
}

TEST_F(ActionStateTest, TheMenuTakesOverStrictlyMoreThan2000MsAfterTheFinish)
{
    ActionState* state = enter();
    hat->goalReached = true;
    engine.timer->lastTicks = 9000;
    state->draw(&engine);
    engine.timer->lastTicks = 11000;
    state->update(&engine);
    ASSERT_EQ(currentName(), "ActionState");
    engine.timer->lastTicks = 11001;
    ::testing::internal::CaptureStdout();
    state->update(&engine);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(currentName(), "MenuState");
}

TEST_F(ActionStateTest, TheCameraFollowsTheHatButStaysInsideTheLevel)
{
    ActionState* state = enter();
    struct Case {
        float cx, cy;
        int x, y;
    };
    const Case cases[] = {
        {6000.0f, 400.0f, 5600, 100}, {100.0f, 400.0f, 0, 100},   {11950.0f, 400.0f, 11200, 100},
        {6000.0f, 50.0f, 5600, 0},    {6000.0f, 790.0f, 5600, 200}, {-50.0f, -50.0f, 0, 0},
    };
    for (const Case& c : cases) {
        hat->position.set(c.cx - 15.0f, c.cy - 15.0f, 0.0f);
        state->update(&engine);
        EXPECT_EQ(viewRect.x, c.x) << c.cx << "," << c.cy;
        EXPECT_EQ(viewRect.y, c.y) << c.cx << "," << c.cy;
        EXPECT_EQ(viewRect.w, 800);
        EXPECT_EQ(viewRect.h, 600);
    }
}

}  // namespace
