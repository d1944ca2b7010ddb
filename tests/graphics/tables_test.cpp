// The shared tables: every level name as the menu prints it, padding included, and the size of
// every level piece by its picture number.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "graphics/tables.hpp"

namespace {

TEST(TablesTest, LevelNamesArePaddedToTwentyCharactersAndTheLastIsEmpty)
{
    const char* const written[levelNameCount] = {
        "Easy start          ", "Easy Rider          ", "Taxi Driver         ", "Raging Bull         ",
        "Meet the Feebles    ", "Hercules            ", "Deer Hunter         ", "Ninja Assassins     ",
        "Daredevil           ", "War of Worls        ", "Gigli               ", "Crossroads          ",
        "Castaway            ", "Ponterosa           ", "Over the Top        ", "Scanners            ",
        "The cat in the Hat  ", "Taking Lives        ", "Ultraviolet         ", ""};
    for (int i = 0; i < levelNameCount; ++i) {
        EXPECT_EQ(std::string(levelNames[static_cast<std::size_t>(i)]), written[i]) << "entry " << i;
    }
}

TEST(TablesTest, EveryPieceHasTheSizeOfItsPictureNumberAndNoPositionOfItsOwn)
{
    // Table, first and last index of a run of equal sizes, width, height; the runs cover each table.
    struct Run {
        const Rect* table;
        int first, last, width, height;
    };
    const Run runs[] = {
        {foregroundRects.data(), 0, 1, 256, 256},  {foregroundRects.data(), 2, 11, 400, 400},
        {parallaxRects.data(), 0, 0, 200, 200},    {parallaxRects.data(), 1, 4, 400, 400},
        {collisionRects.data(), 0, 0, 256, 512},   {collisionRects.data(), 1, 1, 512, 64},
        {collisionRects.data(), 2, 2, 64, 64},     {collisionRects.data(), 3, 3, 100, 64},
        {collisionRects.data(), 4, 29, 400, 400},  {collisionRects.data(), 30, 39, 64, 64},
        {collisionRects.data(), 40, 49, 128, 128},
    };
    std::vector<int> covered(3, 0);
    for (const Run& run : runs) {
        const int table = run.table == foregroundRects.data() ? 0 : run.table == parallaxRects.data() ? 1 : 2;
        EXPECT_EQ(run.first, covered[static_cast<std::size_t>(table)]) << "runs in order, none left out";
        for (int i = run.first; i <= run.last; ++i) {
            const Rect& piece = run.table[i];
            EXPECT_EQ(std::make_tuple(piece.x, piece.y, piece.w, piece.h), std::make_tuple(0, 0, run.width, run.height))
                << "table " << table << ", entry " << i;
        }
        covered[static_cast<std::size_t>(table)] = run.last + 1;
    }
    EXPECT_EQ(covered, (std::vector<int>{12, 5, 50}));
}

}  // namespace
