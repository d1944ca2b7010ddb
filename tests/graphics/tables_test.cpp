// The shared constants that levels and the menu read by index.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/tables.hpp"

namespace {

void expectSize(const Rect& piece, int w, int h, const char* what)
{
    EXPECT_EQ(piece.x, 0) << what;
    EXPECT_EQ(piece.y, 0) << what;
    EXPECT_EQ(piece.w, w) << what;
    EXPECT_EQ(piece.h, h) << what;
}

TEST(TablesTest, LevelNamesArePaddedToOneWidthAndTheLastIsEmpty)
{
    for (int i = 0; i < 19; ++i) {
        EXPECT_EQ(std::strlen(levelNames[i]), 20u) << i;
    }
    EXPECT_STREQ(levelNames[0], "Easy start          ");
    EXPECT_STREQ(levelNames[9], "War of Worls        ");
    EXPECT_STREQ(levelNames[16], "The cat in the Hat  ");
    EXPECT_STREQ(levelNames[19], "");
}

TEST(TablesTest, PieceSizesByPictureNumber)
{
    const struct {
        const Rect* table;
        int first;
        int last;
        int w;
        int h;
    } runs[] = {
        {foregroundRects.data(), 0, 1, 256, 256}, {foregroundRects.data(), 2, 11, 400, 400},
        {parallaxRects.data(), 0, 0, 200, 200},   {parallaxRects.data(), 1, 4, 400, 400},
        {collisionRects.data(), 0, 0, 256, 512},  {collisionRects.data(), 1, 1, 512, 64},
        {collisionRects.data(), 2, 2, 64, 64},    {collisionRects.data(), 3, 3, 100, 64},
        {collisionRects.data(), 4, 29, 400, 400}, {collisionRects.data(), 30, 39, 64, 64},
        {collisionRects.data(), 40, 49, 128, 128},
    };
    for (const auto& run : runs) {
        for (int i = run.first; i <= run.last; ++i) {
            expectSize(run.table[i], run.w, run.h, std::to_string(i).c_str());
        }
    }
    EXPECT_FLOAT_EQ(TWO_PI, 6.2831855f);
    EXPECT_EQ(logoRect.x, 144);
    EXPECT_EQ(logoRect.y, 135);
    EXPECT_EQ(logoRect.w, 512);
    EXPECT_EQ(logoRect.h, 64);
}

}  // namespace
