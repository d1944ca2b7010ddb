// The world picture generator's parts that the built pictures cannot show plainly: cell outlines and the
// piece catalogue's faults.
#include "cell_mask.hpp"
#include "piece_catalog.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

double signedArea(const std::vector<Point>& loop) {
    double twice = 0.0;
    for (size_t i = 0; i < loop.size(); ++i) {
        const Point a = loop[i];
        const Point b = loop[(i + 1) % loop.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

}  // namespace

TEST(CellMaskOutline, TracesBlocksHolesAndCornerTouchesAsSeparateLoops) {
    const auto block = CellMask({"##", "##"}).outlineLoops();
    ASSERT_EQ(block.size(), 1u);
    EXPECT_EQ(block[0].size(), 4u) << "straight runs must merge into one edge";
    EXPECT_DOUBLE_EQ(std::abs(signedArea(block[0])), 4.0);

    const auto lShape = CellMask({"#.", "##"}).outlineLoops();
    ASSERT_EQ(lShape.size(), 1u);
    EXPECT_EQ(lShape[0].size(), 6u);
    EXPECT_DOUBLE_EQ(std::abs(signedArea(lShape[0])), 3.0);

    // The hole winds the other way, so an even-odd or non-zero fill leaves it clear.
    const auto frame = CellMask({"###", "#.#", "###"}).outlineLoops();
    ASSERT_EQ(frame.size(), 2u);
    EXPECT_LT(signedArea(frame[0]) * signedArea(frame[1]), 0.0);
    EXPECT_DOUBLE_EQ(std::abs(signedArea(frame[0])) + std::abs(signedArea(frame[1])), 10.0);

    // Cells meeting only at a corner stay two shapes.
    const auto diagonal = CellMask({"#.", ".#"}).outlineLoops();
    ASSERT_EQ(diagonal.size(), 2u);
    EXPECT_EQ(diagonal[0].size() + diagonal[1].size(), 8u);
}

TEST(CellMaskOutline, OpenSidesPushTheOutlinePastTheEdge) {
    CellMask beam({"###", "###"});
    beam.setOpenSides("LR");
    const auto loops = beam.outlineLoops();
    ASSERT_EQ(loops.size(), 1u);
    for (const Point corner : loops[0]) {
        EXPECT_TRUE(corner.x == -1 || corner.x == 4) << "an outline corner lies at x " << corner.x;
        EXPECT_TRUE(corner.y == 0 || corner.y == 2);
    }
    // Only cells that reach an open side are carried on past it.
    CellMask step({"#..", "###"});
    step.setOpenSides("B");
    EXPECT_TRUE(step.solidOrJoined(0, 2));
    EXPECT_FALSE(step.solidOrJoined(1, -1));
    EXPECT_FALSE(step.solidOrJoined(-1, 1));
    EXPECT_FALSE(step.solid(0, 2));
}

TEST(CellMaskOutline, RejectsMalformedMasks) {
    EXPECT_THROW(CellMask({"##", "#"}), std::runtime_error);
    EXPECT_THROW(CellMask({"#x"}), std::runtime_error);
    EXPECT_THROW(CellMask(std::vector<std::string>{}), std::runtime_error);
    CellMask mask({"#"});
    EXPECT_THROW(mask.setOpenSides("LQ"), std::runtime_error);
}

TEST(PieceCatalogue, NamesTheLineOfEachFault) {
    const std::pair<const char*, const char*> faults[] = {
        {"tile 31 grass fill\ntile 31 grass cap\n", "line 2"},
        {"tile 31 grass\n", "line 1"},
        {"\n\ntile 31 grass top\n", "line 3"},
        {"stone 5 grass -\n", "unknown entry"},
        {"formation 5 grass -\n\nformation 6 grass -\n#\n", "formation 5"},
    };
    for (const auto& f : faults)
        EXPECT_THAT([&] { PieceCatalog::parse(f.first); },
                    testing::ThrowsMessage<std::runtime_error>(testing::HasSubstr(f.second)));
    EXPECT_THROW(PieceCatalog::load("/nonexistent/pieces.txt"), std::runtime_error);
}
