// State changes and shut-down of the engine, run headless with a state that records its calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_engine.hpp"
#include "support/test_support.hpp"

using testing_support::logOf;

namespace {

using Calls = std::vector<std::string>;

class RecordingState : public GameState {
public:
    RecordingState(std::string stateName, Calls& log) : GameState(std::move(stateName)), calls(log) {}
    ~RecordingState() override { calls.push_back(name + ".destroyed"); }

    void init(GameEngine*) override { record("init"); }
    void cleanup(GameEngine*) override { record("cleanup"); }
    void pause() override { active = false; }
    void resume() override { active = true; }
    void handleEvents(GameEngine* engine) override
    {
        record("events");
        if (next != nullptr) engine->changeState(std::move(next));  // this state is gone after it
    }
    void update(GameEngine*) override { record("update"); }
    void draw(GameEngine*) override { record("draw"); }

    std::unique_ptr<GameState> next;

private:
    void record(const char* call) { calls.push_back(name + "." + call); }
    Calls& calls;
};

class GameEngineTest : public ::testing::Test {
protected:
    void SetUp() override { engine.initHeadless(); }

    testing_support::TempDir dir;
    Calls calls;
    GameEngine engine;
};

TEST_F(GameEngineTest,
       FramesForwardToTheStateAChangeEndsTheOldStateThenStartsTheNewEmptyingTheEffectsEvenFromItsOwnEvents)
{
    auto first = std::make_unique<RecordingState>("A", calls);
    first->next = std::make_unique<RecordingState>("B", calls);
    const std::string log = logOf([&] {
        engine.effects->spawn(0, 0, 3, 0, 0.0f);
        engine.changeState(std::move(first));
        EXPECT_TRUE(engine.effects->effects.empty());
        engine.update();
        engine.draw();
        engine.effects->spawn(0, 0, 3, 0, 0.0f);
        engine.handleEvents();
        EXPECT_TRUE(engine.effects->effects.empty()) << "changed from the state's own events";
        engine.update();
        EXPECT_EQ(engine.timer->frameCount, 2u);
        engine.cleanup();
    });
    EXPECT_EQ(log.substr(0, log.find("\n:. GameEngine Cleanup")),
              ": Moving to state A\n  Initializing new state\n  Initializing went ok\n"
              ": Moving to state B\n  Initializing new state\n  Initializing went ok\n");
    EXPECT_EQ(calls, (Calls{"A.init", "A.update", "A.draw", "A.events", "A.cleanup", "A.destroyed", "B.init",
                            "B.update", "B.cleanup", "B.destroyed"}));
    EXPECT_TRUE(engine.state == nullptr && engine.saveData == nullptr && engine.effects == nullptr);
}

}  // namespace
