// The human-like pilot: the same people for a seed, no way through a wall, slower reactions
// costing finishes, hands that never flicker, its picture of the flight, and the summary figures.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "hat_model.hpp"
#include "human_trials.hpp"
#include "input_track.hpp"
#include "level_run.hpp"
#include "pilot_hands.hpp"
#include "map_file.hpp"
#include "support/test_support.hpp"

namespace {

constexpr int startColumn = 3;
constexpr int groundRow = 23;
constexpr int flightRow = 10;

// Floor along the whole level, the start point near the left edge and the toilet `toiletColumn`
// cells on, both at the height the route is flown.
MapData openGround(int toiletColumn)
{
    MapData map;
    for (int column = 0; column < MapData::columns; ++column) {
        for (int row = groundRow; row < MapData::rows; ++row) {
            map.terrain[static_cast<std::size_t>(MapData::cellIndex(column, row))] = 1;
        }
    }
    map.objects[static_cast<std::size_t>(MapData::cellIndex(startColumn, flightRow))] = objectValue('S');
    map.objects[static_cast<std::size_t>(MapData::cellIndex(toiletColumn, flightRow))] = objectValue('T');
    return map;
}

class HumanPilotTest : public ::testing::Test {
protected:
    // Writes the map and a route through the given hat centre points, and loads the route.
    void write(const MapData& map, const std::vector<RoutePoint>& points)
    {
        MapFile::write(mapPath, map);
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
            if (reactionMs > 0) trial.traits.reactionMs = reactionMs;
            finished += HumanTrials::fly(mapPath, route, hardMode, trial).finished ? 1 : 0;
        }
        return finished;
    }

    testing_support::TempDir dir;
    std::string mapPath = dir.path() + "/map.mp";
    std::string routePath = dir.path() + "/map.route";
    LevelRoute route;
};

// The hat's centre when it sits on a cell's start point, and the toilet's centre.
RoutePoint startCentre()
{
    return {startColumn * 32.0f + 50.0f + 15.0f, flightRow * 32.0f + 50.0f + 15.0f};
}

RoutePoint toiletCentre(int column)
{
    return {column * 32.0f + 62.0f, flightRow * 32.0f + 62.0f};
}

}  // namespace

TEST_F(HumanPilotTest, TheSameSeedFliesTheSamePeopleEachTrialIsSomeoneElseAndNobodyFinishesThroughAWall)
{
    constexpr int toilet = 60;
    MapData map = openGround(toilet);
    write(map, {startCentre(), toiletCentre(toilet)});
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
    // Trials of one seed are different people starting at different moments; other seeds differ.
    const HumanTrials::Trial a = HumanTrials::draw(7, 3), b = HumanTrials::draw(7, 4), c = HumanTrials::draw(8, 3);
    EXPECT_NE(a.traits.reactionMs * 1000 + a.start.randDraws, b.traits.reactionMs * 1000 + b.start.randDraws);
    EXPECT_NE(a.start.clockMs, c.start.clockMs);
    for (int i = 0; i < 50; ++i) {
        const int reactionMs = HumanTrials::draw(1, i).traits.reactionMs;
        EXPECT_TRUE(reactionMs >= 150 && reactionMs <= 250) << reactionMs;
    }

    // A wall across the route, from the ceiling down to the floor.
    for (int row = 0; row < groundRow; ++row) map.terrain[static_cast<std::size_t>(MapData::cellIndex(30, row))] = 1;
    write(map, {startCentre(), toiletCentre(toilet)});
    int finished = 0;
    testing_support::logOf([&] { finished = finishes(false, 4) + finishes(true, 4); });
    EXPECT_EQ(finished, 0);
}

TEST_F(HumanPilotTest, SlowerReactionsFinishLessOften)
{
    // A slalom through narrow gaps in walls, high and low by turns: each turn takes seeing the
    // next gap in time.
    constexpr int toilet = 110;
    constexpr int firstWall = 20;
    constexpr int wallStep = 8;
    constexpr int walls = 6;
    constexpr int gapRows = 4;
    constexpr std::array<int, 2> gapTops = {5, 13};
    MapData map = openGround(toilet);
    std::vector<RoutePoint> points = {startCentre()};
    for (int i = 0; i < walls; ++i) {
        const int column = firstWall + i * wallStep;
        const int gapTop = gapTops[static_cast<std::size_t>(i % 2)];
        for (int wall = column; wall < column + 2; ++wall) {
            for (int row = 0; row < groundRow; ++row) {
                const bool gap = row >= gapTop && row < gapTop + gapRows;
                map.terrain[static_cast<std::size_t>(MapData::cellIndex(wall, row))] = gap ? 0 : 1;
            }
        }
        const float gapMiddle = (static_cast<float>(gapTop) + gapRows * 0.5f) * 32.0f;
        points.push_back({static_cast<float>(column) * 32.0f - 48.0f, gapMiddle});
        points.push_back({static_cast<float>(column) * 32.0f + 112.0f, gapMiddle});
    }
    points.push_back(toiletCentre(toilet));
    write(map, points);
    constexpr int trials = 10;
    int quick = 0, slow = 0;
    testing_support::logOf([&] {
        quick = finishes(false, trials, 150);
        slow = finishes(false, trials, 400);
    });
    EXPECT_GE(quick, trials * 7 / 10);
    EXPECT_LT(slow, quick - trials / 5) << quick << " finish with 150 ms";
}

TEST(PilotHands, KeysStayDownAndUpForEightyMillisecondsAndChangeWithinTheJitter)
{
    PilotHands hands(5);
    const int shortestFrames = PilotHands::shortestPressMs / HatModel::frameMs;
    // A pilot that wants the keys flickering every frame still holds each press and each gap.
    std::vector<std::uint8_t> held;
    for (int frame = 0; frame < 400; ++frame) held.push_back(hands.press(frame % 2 == 0 ? HeldKeys::all : 0));
    for (std::uint8_t key : {HeldKeys::left, HeldKeys::right, HeldKeys::thrust}) {
        // The keys were up long before the first frame: runs are counted from the first change.
        int run = -1;
        for (std::size_t i = 1; i < held.size(); ++i) {
            if (((held[i] ^ held[i - 1]) & key) == 0) {
                run += run >= 0 ? 1 : 0;
                continue;
            }
            EXPECT_TRUE(run < 0 || run >= shortestFrames)
                << "key " << int(key) << " changed after " << run << " frames at " << i;
            run = 1;
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
    std::vector<CheckResult> results;
    for (int i = 0; i < 20; ++i) {
        CheckResult result;
        result.finished = i % 2 == 0;  // ten finish, with times 1000..10000 and margins 100..1000
        result.levelTimeMs = (i / 2 + 1) * 1000;
        result.lowestMargin = result.finished ? (10 - i / 2) * 100 : 0;
        results.push_back(result);
    }
    const HumanSummary summary = HumanTrials::summarize(results);
    EXPECT_EQ(std::tuple(summary.trials, summary.finished, summary.ratePercent(), summary.medianTimeMs),
              std::tuple(20, 10, 50.0, 5000));
    EXPECT_EQ(summary.tenthMargin, 100) << "one in ten kept 100 or less";
    results.resize(1);
    results[0].finished = false;
    const HumanSummary none = HumanTrials::summarize(results);
    EXPECT_EQ(std::pair(none.medianTimeMs, none.tenthMargin), std::pair(-1, -1));
}

TEST_F(HumanPilotTest, ThePilotsPictureOfTheFlightMatchesTheGameInOpenAir)
{
    constexpr int toilet = 300;
    write(openGround(toilet), {startCentre(), toiletCentre(toilet)});
    for (bool hard : {false, true}) {
        HatState guess, real;
        testing_support::logOf([&] {
            LevelRun run(mapPath, hard, LevelRun::Start{}, false);
            guess = HatState::of(*run.hat);
            const HatModel model(HatBeliefs{});
            for (int frame = 0; frame < 90; ++frame) {
                // Thrust in puffs while turning the tail back, to fly on to the right, then upright again.
                const std::uint8_t turn = hard ? HeldKeys::left : HeldKeys::right;
                const std::uint8_t back = hard ? HeldKeys::right : HeldKeys::left;
                const std::uint8_t keys =
                    static_cast<std::uint8_t>((frame % 10 < 6 ? HeldKeys::thrust : 0) | (frame < 20 ? turn : 0) |
                                              (frame >= 40 && frame < 60 ? back : 0));
                run.step(keys);
                model.step(guess, keys);
            }
            real = HatState::of(*run.hat);
        });
        // The pilot's picture of hard mode leaves out the swing's slight drag: over a second and a
        // half it drifts by a few pixels, far less than a cell.
        const float pixels = hard ? 8.0f : 1.0f;
        const float radians = hard ? 0.05f : 0.01f;
        EXPECT_TRUE(std::abs(guess.x - real.x) <= pixels && std::abs(guess.y - real.y) <= pixels)
            << "hard " << hard << ": " << guess.x << "," << guess.y << " against " << real.x << "," << real.y;
        EXPECT_NEAR(guess.angle, real.angle, radians) << "hard " << hard;
        EXPECT_EQ(guess.pressure, real.pressure) << "hard " << hard;
    }
}
