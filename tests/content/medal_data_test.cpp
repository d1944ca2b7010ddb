// The medal table the build made from the par runs: readable by the game, every level and mode in it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "trial/medal_table.hpp"

namespace {

TEST(MedalData, EveryLevelAndModeHasMedalTimesAtTheFixedSharesOfItsPar)
{
    std::ifstream file(std::string(FEZZLE_DATA_DIR) + "/medals.txt", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    MedalTable table;
    ASSERT_TRUE(MedalTable::parse(text, table)) << text;
    for (int level = 0; level < MedalTable::levelsPerMode; ++level) {
        for (const bool hardMode : {false, true}) {
            const MedalTimes* times = table.find(level, hardMode);
            ASSERT_NE(times, nullptr) << "level " << level + 1 << (hardMode ? " hard" : " easy");
            EXPECT_EQ(*times, MedalTable::fromPar(times->gold));
        }
    }
}

}  // namespace
