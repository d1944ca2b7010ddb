// The world picture generator's parts the built pictures cannot show plainly: outlines, the catalogue's faults.
#include "cell_mask.hpp"
#include "piece_catalog.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

TEST(CellMaskOutline, TracesBlocksHolesAndCornerTouchesAsSeparateLoopsAndRunsOnOnlyPastOpenSides)
{
    // Rows, loops, corners and the area of all loops together, signed: a hole winds the other way, so fills
    // leave it clear.
    const std::tuple<std::vector<std::string>, std::size_t, std::size_t, double> shapes[] = {
        {{"##", "##"}, 1, 4, 4.0},  // straight runs merge into one edge
        {{"#.", "##"}, 1, 6, 3.0},
        {{"###", "#.#", "###"}, 2, 8, 8.0},
        {{"#.", ".#"}, 2, 8, 2.0},  // cells meeting only at a corner stay two shapes
    };
    for (const auto& [rows, loopCount, cornerCount, area] : shapes) {
        SCOPED_TRACE(testing::PrintToString(rows));
        const auto loops = CellMask(rows).outlineLoops();
        std::size_t corners = 0;
        double twiceArea = 0.0;
        for (const auto& loop : loops)
            for (std::size_t i = 0; i < loop.size(); ++i, ++corners) {
                const Point a = loop[i], b = loop[(i + 1) % loop.size()];
                twiceArea += a.x * b.y - b.x * a.y;
            }
        EXPECT_EQ(loops.size(), loopCount);
        EXPECT_EQ(corners, cornerCount);
        EXPECT_DOUBLE_EQ(std::abs(twiceArea / 2.0), area);
    }
    // An open side carries the outline on past the edge, but only from the cells that reach it.
    CellMask step({"#..", "##."});
    step.setOpenSides("B");
    EXPECT_TRUE(step.solidOrJoined(0, 2));
    EXPECT_FALSE(step.solidOrJoined(2, 2) || step.solidOrJoined(1, -1) || step.solidOrJoined(-1, 1) ||
                 step.solid(0, 2));
}

TEST(PieceCatalogue, NamesTheLineOfEachFaultAndRefusesMalformedMasks)
{
    const std::pair<const char*, const char*> faults[] = {
        {"tile 31 grass fill\ntile 31 grass cap\n", "line 2"},
        {"\n\ntile 31 grass top\n", "line 3"},
        {"stone 5 grass -\n", "unknown entry"},
        {"formation 5 grass -\n\nformation 6 grass -\n#\n", "formation 5"},
    };
    for (const auto& f : faults)
        EXPECT_THAT([&] { PieceCatalog::parse(f.first); },
                    testing::ThrowsMessage<std::runtime_error>(testing::HasSubstr(f.second)));
    EXPECT_THROW(PieceCatalog::load("/nonexistent/pieces.txt"), std::runtime_error);
    for (const std::vector<std::string>& rows : {std::vector<std::string>{"##", "#"}, {"#x"}, {}})
        EXPECT_THROW(CellMask{rows}, std::runtime_error) << testing::PrintToString(rows);
    EXPECT_THROW(CellMask({"#"}).setOpenSides("LQ"), std::runtime_error);
}
