// The human-like pilot: the same people for a seed, no way through a wall, and slower reactions
// costing finishes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "human_trials.hpp"
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

void fill(MapData& map, int column, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        map.terrain[static_cast<std::size_t>(MapData::cellIndex(column, row))] = 1;
    }
}

class HumanPilotTest : public ::testing::Test {
protected:
    // Writes the map and a route through the given hat centre points, and loads the route.
    void write(const MapData& map, const std::vector<RoutePoint>& points)
    {
        MapFile::write(mapPath, map);
        std::string text;
        for (const RoutePoint& point : points) {
            text += std::to_string(point.x) + " " + std::to_string(point.y) + "\n";
        }
        testing_support::writeText(routePath, text);
        route = LevelRoute::load(routePath);
    }

    int finishes(bool hardMode, int trials, int reactionMs = 0)
    {
        int finished = 0;
        for (int i = 0; i < trials; ++i) {
            HumanTrials::Trial trial = HumanTrials::draw(HumanTrials::defaultSeed, i);
            if (reactionMs > 0) {
                trial.traits.reactionMs = reactionMs;
            }
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

TEST_F(HumanPilotTest, TheSameSeedFliesTheSamePeopleAndEachTrialIsSomeoneElse)
{
    constexpr int toilet = 60;
    write(openGround(toilet), {startCentre(), toiletCentre(toilet)});
    for (bool hard : {false, true}) {
        CheckResult first;
        CheckResult again;
        testing_support::logOf([&] {
            first = HumanTrials::fly(mapPath, route, hard, HumanTrials::draw(7, 3));
            again = HumanTrials::fly(mapPath, route, hard, HumanTrials::draw(7, 3));
        });
        EXPECT_TRUE(first.finished) << "open ground, hard " << hard;
        EXPECT_EQ(first.levelTimeMs, again.levelTimeMs) << "hard " << hard;
        EXPECT_EQ(first.lowestMargin, again.lowestMargin) << "hard " << hard;
        EXPECT_EQ(first.hardBumps, again.hardBumps) << "hard " << hard;
    }
    // Trials of one seed are different people starting at different moments; other seeds differ.
    const HumanTrials::Trial a = HumanTrials::draw(7, 3);
    const HumanTrials::Trial b = HumanTrials::draw(7, 4);
    const HumanTrials::Trial c = HumanTrials::draw(8, 3);
    EXPECT_NE(a.traits.reactionMs * 1000 + a.start.randDraws, b.traits.reactionMs * 1000 + b.start.randDraws);
    EXPECT_NE(a.start.clockMs, c.start.clockMs);
    for (int i = 0; i < 50; ++i) {
        const PilotTraits traits = HumanTrials::draw(1, i).traits;
        EXPECT_GE(traits.reactionMs, 150);
        EXPECT_LE(traits.reactionMs, 250);
    }
}

TEST_F(HumanPilotTest, NobodyFinishesThroughAWallAcrossTheRoute)
{
    constexpr int toilet = 60;
    MapData map = openGround(toilet);
    fill(map, 30, 0, groundRow - 1);
    write(map, {startCentre(), toiletCentre(toilet)});
    testing_support::logOf([&] {
        EXPECT_EQ(finishes(false, 4), 0);
        EXPECT_EQ(finishes(true, 4), 0);
    });
}

TEST_F(HumanPilotTest, SlowerReactionsFinishLessOften)
{
    // Items raining from droppers along the ceiling onto the line flown, in hard mode, where the
    // swing answers late: dodging takes seeing them early.
    constexpr int toilet = 120;
    constexpr float lowLine = 560.0f;
    constexpr float runUp = 200.0f;
    MapData map = openGround(toilet);
    for (int column = 14; column < 110; column += 8) {
        map.objects[static_cast<std::size_t>(MapData::cellIndex(column, 0))] = objectValue('D');
    }
    write(map, {startCentre(),
                {startCentre().x + runUp, lowLine},
                {toiletCentre(toilet).x - runUp, lowLine},
                toiletCentre(toilet)});
    constexpr int trials = 10;
    int quick = 0;
    int slow = 0;
    testing_support::logOf([&] {
        quick = finishes(true, trials, 150);
        slow = finishes(true, trials, 400);
    });
    EXPECT_GE(quick, trials * 7 / 10);
    EXPECT_LT(slow, quick - trials / 5) << quick << " finish with 150 ms";
}
