// The human-like pilot: the same people for a seed, no way through walls, slower reactions cost.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "hat_model.hpp"
#include "human_trials.hpp"
#include "input_track.hpp"
#include "level_run.hpp"
#include "map_file.hpp"
#include "pilot_hands.hpp"
#include "support/test_support.hpp"

namespace {

constexpr int startColumn = 3, groundRow = 23, flightRow = 10;

// Floor along the level; the start point and the toilet at the height the route is flown.
class HumanPilotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int cell = 0; cell < MapData::columns * MapData::rows; ++cell)
            map.terrain[cell] = cell % MapData::rows >= groundRow;
    }
    void solid(int column, int row, bool on) { map.terrain[std::size_t(MapData::cellIndex(column, row))] = on; }
    // Writes the map and a route from the start through `points` to the toilet, and loads the route.
    void write(int toilet, std::vector<RoutePoint> points = {})
    {
        map.objects[std::size_t(MapData::cellIndex(startColumn, flightRow))] = objectValue('S');
        map.objects[std::size_t(MapData::cellIndex(toilet, flightRow))] = objectValue('T');
        MapFile::write(mapPath, map);
        points.insert(points.begin(), {startColumn * 32.0f + 65.0f, flightRow * 32.0f + 65.0f});
        points.push_back({toilet * 32.0f + 62.0f, flightRow * 32.0f + 62.0f});
        std::string text;
        for (const RoutePoint& point : points) text += std::to_string(point.x) + " " + std::to_string(point.y) + "\n";
        testing_support::writeText(routePath, text);
        route = LevelRoute::load(routePath);
    }
    int finishes(bool hardMode, int trials, int reactionMs = 0)
    {
        int finished = 0;
        for (int i = 0; i < trials; ++i) {
            HumanTrials::Trial trial = HumanTrials::draw(HumanTrials::defaultSeed, i);
            trial.traits.reactionMs = reactionMs > 0 ? reactionMs : trial.traits.reactionMs;
            testing_support::logOf([&] { finished += HumanTrials::fly(mapPath, route, hardMode, trial).finished; });
        }
        return finished;
    }

    MapData map;
    testing_support::TempDir dir;
    std::string mapPath = dir.path() + "/map.mp";
    std::string routePath = dir.path() + "/map.route";
    LevelRoute route;
};

}  // namespace

TEST_F(HumanPilotTest, TheSameSeedFliesTheSamePeopleAndNobodyFinishesThroughAWall)
{
    write(60);
    for (bool hard : {false, true}) {
        CheckResult first, again;
        testing_support::logOf([&] {
            first = HumanTrials::fly(mapPath, route, hard, HumanTrials::draw(7, 3));
            again = HumanTrials::fly(mapPath, route, hard, HumanTrials::draw(7, 3));
        });
        EXPECT_TRUE(first.finished) << "open ground, hard " << hard;
        EXPECT_EQ(std::tuple(first.levelTimeMs, first.lowestMargin, first.hardBumps),
                  std::tuple(again.levelTimeMs, again.lowestMargin, again.hardBumps))
            << "hard " << hard;
    }
    for (int row = 0; row < groundRow; ++row) solid(30, row, true);
    write(60);
    EXPECT_EQ(finishes(false, 4) + finishes(true, 4), 0) << "a wall from the ceiling to the floor";
}

TEST_F(HumanPilotTest, SlowerReactionsFinishLessOften)
{
    // A slalom through gaps four rows high in walls, high and low by turns: each turn takes seeing
    // the next gap in time.
    constexpr int firstWall = 20, wallStep = 8, walls = 6, gapRows = 4;
    std::vector<RoutePoint> points;
    for (int i = 0; i < walls; ++i) {
        const int column = firstWall + i * wallStep, gapTop = i % 2 == 0 ? 5 : 13;
        for (int row = 0; row < groundRow; ++row) {
            for (int wall : {column, column + 1}) solid(wall, row, row < gapTop || row >= gapTop + gapRows);
        }
        const float x = static_cast<float>(column) * 32.0f, gapMiddle = (gapTop + gapRows * 0.5f) * 32.0f;
        points.insert(points.end(), {{x - 48.0f, gapMiddle}, {x + 112.0f, gapMiddle}});
    }
    write(110, points);
    constexpr int trials = 10;
    const int quick = finishes(false, trials, 150), slow = finishes(false, trials, 400);
    EXPECT_GE(quick, trials * 7 / 10);
    EXPECT_LT(slow, quick - trials / 5) << quick << " finish with 150 ms";
}

TEST(PilotHands, KeysStayDownAndUpForEightyMillisecondsAndChangeWithinTheJitter)
{
    // A pilot that wants the keys flickering every frame still holds each press and each gap.
    PilotHands hands(5);
    std::vector<std::uint8_t> held;
    for (int frame = 0; frame < 400; ++frame) held.push_back(hands.press(frame % 2 == 0 ? HeldKeys::all : 0));
    for (std::uint8_t key : {HeldKeys::left, HeldKeys::right, HeldKeys::thrust}) {
        int run = -1;  // frames since the last change; the keys were up long before the first frame
        for (std::size_t i = 1; i < held.size(); ++i, run += run >= 0 ? 1 : 0) {
            if (((held[i] ^ held[i - 1]) & key) == 0) continue;
            EXPECT_TRUE(run < 0 || run >= PilotHands::shortestPressMs / HatModel::frameMs)
                << "key " << int(key) << " changed after " << run << " frames at " << i;
            run = 0;
        }
        EXPECT_GT(run, 0) << "key " << int(key) << " never pressed";
    }
    // A single wish is met no later than twice the jitter after it.
    PilotHands fresh(9);
    int frames = 0;
    while (fresh.press(HeldKeys::thrust) == 0) ++frames;
    EXPECT_LE(frames * HatModel::frameMs, 2 * PilotHands::jitterMs);
}

TEST(HumanSummary, MedianAndTenthPercentileOfTheFinishedTrialsOnly)
{
    // Ten of twenty finish, in 1 to 10 s with margins from 1000 down to 100.
    std::vector<CheckResult> results(20);
    for (int i = 0; i < 20; i += 2)
        results[std::size_t(i)] = {true, false, (i / 2 + 1) * 1000, (10 - i / 2) * 100, 0, 0, 0, ""};
    const HumanSummary summary = HumanTrials::summarize(results);
    EXPECT_EQ(
        std::tuple(summary.trials, summary.finished, summary.ratePercent(), summary.medianTimeMs, summary.tenthMargin),
        std::tuple(20, 10, 50.0, 5000, 100));
    const HumanSummary none = HumanTrials::summarize({CheckResult{}});
    EXPECT_EQ(std::tuple(none.medianTimeMs, none.tenthMargin), std::tuple(-1, -1));
}

TEST_F(HumanPilotTest, ThePilotsPictureOfTheFlightMatchesTheGameInOpenAir)
{
    write(300);
    for (bool hard : {false, true}) {
        HatState guess, real;
        testing_support::logOf([&] {
            LevelRun run(mapPath, hard, LevelRun::Start{}, false);
            guess = HatState::of(*run.hat);
            const int turn = hard ? HeldKeys::left : HeldKeys::right, back = HeldKeys::left + HeldKeys::right - turn;
            for (int frame = 0; frame < 90; ++frame) {
                const auto keys = std::uint8_t((frame % 10 < 6 ? HeldKeys::thrust : 0) | (frame < 20 ? turn : 0) |
                                               (frame >= 40 && frame < 60 ? back : 0));
                run.step(keys);
                HatModel(HatBeliefs{}).step(guess, keys);
            }
            real = HatState::of(*run.hat);
        });
        // The picture of hard mode leaves out the swing's slight drag: a few pixels in 1.5 s.
        EXPECT_LE(std::hypot(guess.x - real.x, guess.y - real.y), hard ? 8.0f : 1.4f) << "hard " << hard;
        EXPECT_NEAR(guess.angle, real.angle, hard ? 0.05f : 0.01f) << "hard " << hard;
        EXPECT_EQ(guess.pressure, real.pressure) << "hard " << hard;
    }
}
