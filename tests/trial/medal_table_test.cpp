// Medal times: the shares over par at their edges, the table's file and everything it refuses, and
// the lines the finish shows with their rounding.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/game_engine.hpp"
#include "support/test_support.hpp"
#include "trial/medal_table.hpp"
#include "trial/run_comparison.hpp"

using namespace testing_support;

namespace {

TEST(MedalTimesTest, GoldAtParSilverAndBronzeAtTheirSharesRoundedDown)
{
    EXPECT_EQ(MedalTable::fromPar(21347), (MedalTimes{21347, 26683, 34155}));  // 26683.75, 34155.2
    const MedalTimes times = MedalTable::fromPar(20000);
    for (const auto& [timeMs, medal] :
         {std::tuple(1, Medal::Gold), std::tuple(20000, Medal::Gold), std::tuple(20001, Medal::Silver),
          std::tuple(25000, Medal::Silver), std::tuple(25001, Medal::Bronze), std::tuple(32000, Medal::Bronze),
          std::tuple(32001, Medal::None)}) {
        EXPECT_EQ(medalOf(times, timeMs), medal) << timeMs;
    }
}

const std::string goodTable = "fezzle-medals 1\n1 easy 20000 25000 32000\n1 hard 30000 37500 48000\n"
                              "18 hard 64000 80000 102400\n";

TEST(MedalTableTest, ReadsWhatItWritesAndRefusesAnythingElseWhole)
{
    MedalTable table;
    ASSERT_TRUE(MedalTable::parse(goodTable, table));
    EXPECT_EQ(table.toText(), goodTable);
    EXPECT_EQ(table.medalFor(0, true, 37501), Medal::Bronze);
    EXPECT_EQ(table.medalFor(1, false, 1), Medal::None) << "no times for level 2";
    EXPECT_EQ(table.find(18, false), nullptr);

    const std::string refused[] = {
        "",
        "1 easy 20000 25000 32000\n",
        "fezzle-medals 2\n1 easy 20000 25000 32000\n",
        "fezzle-medals 1\n1 normal 20000 25000 32000\n",
        "fezzle-medals 1\n0 easy 20000 25000 32000\n",
        "fezzle-medals 1\n19 easy 20000 25000 32000\n",
        "fezzle-medals 1\n1 easy 20000 25000 32000\n1 easy 20000 25000 32000\n",
        "fezzle-medals 1\n1 easy 25001 25000 32000\n",
        "fezzle-medals 1\n1 easy 0 0 0\n",
        "fezzle-medals 1\n1 easy -5 25000 32000\n",
        "fezzle-medals 1\n1 easy +5 25000 32000\n",
        "fezzle-medals 1\n1 easy 20000 25000 32000 1\n",
        "fezzle-medals 1\n1 easy 20000 25000 99999999999\n",
        "fezzle-medals 1\r\n1 easy 20000 25000 32000\r\n",
        "fezzle-medals 1\n\n",
        goodTable + std::string(MedalTable::largestFile, '\n'),
    };
    for (const std::string& text : refused) {
        MedalTable damaged;
        ASSERT_TRUE(MedalTable::parse(goodTable, damaged));
        EXPECT_FALSE(MedalTable::parse(text, damaged)) << text;
        EXPECT_EQ(damaged.toText(), "fezzle-medals 1\n") << "nothing kept of " << text;
    }
}

TEST(MedalTableTest, AMissingOrDamagedFileIsLoggedOnceAndShowsNoMedals)
{
    // No file, a damaged one, a good one; the second read is served from memory.
    for (const auto& [content, log, medal] :
         {std::tuple<const char*, const char*, Medal>{nullptr, "Failed to load ./data/medals.txt\n", Medal::None},
          {"fezzle-medals 1\nbroken\n", "Failed to load ./data/medals.txt\n", Medal::None},
          {goodTable.c_str(), "", Medal::Gold}}) {
        TempDir dir;
        if (content != nullptr) writeText("data/medals.txt", content);
        GameEngine engine;
        EXPECT_EQ(logOf([&] {
                      for (int read = 0; read < 2; ++read) engine.medalTable();
                  }),
                  log);
        EXPECT_EQ(engine.medalTable().medalFor(17, true, 64000), medal) << log;
        EXPECT_EQ(engine.medalTable().find(0, false) == nullptr, medal == Medal::None) << log;
    }
}

TEST(RunComparisonTest, TheDifferenceToTheBestInRoundedHundredthsWithItsUnit)
{
    for (const auto& [runMs, bestMs, text] : {
             std::tuple(21000, 0, ""),
             std::tuple(9580, 10000, "0.42 s faster than your best"),
             std::tuple(11050, 10000, "1.05 s slower than your best"),
             std::tuple(10000, 10000, "as fast as your best"),
             std::tuple(10425, 10000, "0.43 s slower than your best"),
             std::tuple(10424, 10000, "0.42 s slower than your best"),
             std::tuple(9995, 10000, "0.01 s faster than your best"),
             std::tuple(9996, 10000, "0.00 s faster than your best"),
             std::tuple(1270000, 70000, "1200.00 s slower than your best"),
         }) {
        EXPECT_EQ(differenceText(runMs, bestMs), text) << runMs << " against " << bestMs;
    }
}

TEST(RunComparisonTest, TheMedalEarnedAndHowFarTheNextOneWas)
{
    const MedalTimes times = MedalTable::fromPar(20000);
    for (const auto& [runMs, text] : {
             std::tuple(20000, "Gold medal!"),
             std::tuple(20850, "Silver medal, 0.85 s short of gold"),
             std::tuple(25001, "Bronze medal, 0.00 s short of silver"),
             std::tuple(34100, "No medal, 2.10 s short of bronze"),
         }) {
        EXPECT_EQ(medalText(times, runMs), text) << runMs;
    }
}

}  // namespace
