// The level stepper: a run starts from what it is given (not from the engine or the save data), a
// paused step moves only the camera, and a finished level leaves the player's records alone.
#include <gtest/gtest.h>

#include <utility>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "world/level_file.hpp"
#include "world/level_stepper.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

TEST(LevelStepperTest, StartsFromItsArgumentsMovesOnlyTheCameraWhilePausedAndNeverSubmitsTheFinish)
{
    TempDir dir;
    // A start point in column 10, row 5, a toilet under it: the hat falls in.
    LevelFile()
        .set(LevelFile::Grid::Objects, 10, 5, typeId(EntityType::StartPoint) + 1)
        .set(LevelFile::Grid::Objects, 10, 12, typeId(EntityType::Toilet) + 1)
        .write("data/maps/map3.mp");
    ManualClock clock{70000};
    TickSource::install(&clock);
    GameEngine engine;
    logOf([&] { engine.initHeadless(); });
    // What the stepper must not read: the engine's and the player's own settings.
    engine.saveData->hardMode = 1;
    engine.effects->effectsOff = false;
    engine.level = 11;
    GameRandom::shared() = GameRandom(99);
    viewRect = Rect{5000, 100, 800, 600};
    // Easy, effects off, paused, the timer and the generator its own.
    const LevelStepper::Start start{"./data/maps/map3.mp", false, true, true, FrameTimer::State{clock.now, 29},
                                    GameRandom(5).state()};
    std::unique_ptr<LevelStepper> level;
    logOf([&] { level = std::make_unique<LevelStepper>(&engine, start); });
    const auto frames = [&](int count) {
        for (int i = 0; i < count; ++i) {
            engine.timer->tick();
            level->step();
        }
    };

    EXPECT_EQ(std::pair(engine.timer->lastTicks, engine.timer->frameCount), std::pair(70000u, 29u));
    EXPECT_EQ(GameRandom::shared().state(), start.random);
    EXPECT_TRUE(engine.effects->effectsOff);
    EXPECT_FALSE(level->hat->hardMode) << "the mode given, not the saved one";
    EXPECT_EQ(std::pair(level->hat->position.x, level->hat->position.y), std::pair(370.0f, 210.0f));
    EXPECT_EQ(std::pair(viewRect.x, viewRect.y), std::pair(0, 0)) << "the camera is on the hat from the start";

    const Vector3 at = level->hat->position;
    frames(10);
    EXPECT_EQ(std::pair(level->hat->position.y, level->hat->levelTime), std::pair(at.y, 0)) << "paused";
    EXPECT_EQ(engine.timer->frameCount, 39u) << "the driver ticks the timer, the stepper does not";
    level->active = true;
    frames(1);
    EXPECT_GT(level->hat->position.y, at.y);
    EXPECT_EQ(level->hat->levelTime, 16);

    // Into the toilet and on: the finish is the action state's to submit, never the stepper's.
    frames(800);
    EXPECT_TRUE(level->hat->goalReached);
    EXPECT_FALSE(fileExists("data/dat/game.dat"));
    EXPECT_EQ(engine.saveData->getRecord(3), 0);
    level.reset();
    TickSource::install(nullptr);
}

}  // namespace
