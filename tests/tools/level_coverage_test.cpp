// The coverage measure and the tiling rule, against small pictures whose opaque parts are known.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "coverage_report.hpp"
#include "level_compiler.hpp"
#include "level_error.hpp"
#include "level_source.hpp"
#include "support/test_support.hpp"

namespace {

constexpr int formation = 5;  // drawn 400x400
constexpr int shelf = 4;      // drawn 100x64

std::size_t at(int column, int row)
{
    return static_cast<std::size_t>(MapData::cellIndex(column, row));
}

// The pieces placed at the given cells, {column, row} each.
std::vector<int> piecesAt(const MapData& map, std::initializer_list<std::pair<int, int>> cells)
{
    std::vector<int> pieces;
    for (const auto& [column, row] : cells) pieces.push_back(map.pieces[at(column, row)]);
    return pieces;
}

// A square RGBA picture, opaque over its first `opaqueColumns` columns.
void writePicture(int number, int side, int opaqueColumns)
{
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < side * side; ++i)
        pixels.insert(pixels.end(), {200, 100, 50, std::uint8_t(i % side < opaqueColumns ? 255 : 0)});
    testing_support::writePng("pictures/collision" + std::to_string(number) + ".png", side, side, 4, pixels);
}

// Every picture opaque edge to edge, but the formation (opaque over its left 192 of 400 pixels,
// six cells) and the shelf (its first three of four columns).
CollisionPictures testPictures()
{
    testing_support::makeDirs("pictures");
    for (int number = 1; number <= 50; ++number) writePicture(number, 4, 4);
    writePicture(formation, 25, 12);
    writePicture(shelf, 4, 3);
    return CollisionPictures::load("pictures");
}

// Compiles a level of the given lines and map rows (padded with free cells) against the test pictures.
struct Fixture {
    testing_support::TempDir dir;
    CollisionPictures pictures = testPictures();
    std::vector<std::string> rows = std::vector<std::string>(MapData::rows);

    Fixture() { rows[23] = rows[24] = std::string(MapData::columns, '#'); }
    MapData compile(const std::string& lines) const
    {
        std::string text = "background 0\n" + lines + "map\n";
        for (const std::string& row : rows) text += row + std::string(MapData::columns - row.size(), '.') + "\n";
        return LevelCompiler::compile(LevelSourceParser::parse(text, "cover.level"), &pictures);
    }
    std::string fault(const std::string& lines) const
    {
        return testing_support::faultOf<LevelError>([&] { compile(lines); });
    }
};

}  // namespace

TEST(CoverageMap, MeasuresStretchedAndMirroredPicturesByTheirOpaquePixels)
{
    Fixture fixture;
    MapData map;
    map.pieces[at(0, 0)] = formation;
    map.pieces[at(40, 0)] = -formation;
    map.pieces[at(0, 20)] = shelf;
    const CoverageMap coverage(map.pieces, fixture.pictures);
    // Six cells wide, and 400 px tall from row 0: rows 0 to 11 whole, half of row 12. Mirrored at
    // column 40: it spans x 880 to 1280, flipped, so its opaque part is 1088 to 1280. The shelf: three
    // quarters of 100 px opaque, so two cells and 11 px of the third.
    const std::tuple<int, int, double> cells[] = {{5, 3, 1.0},  {6, 3, 0.0},          {0, 11, 1.0}, {0, 12, 0.5},
                                                  {39, 0, 1.0}, {34, 0, 1.0},         {33, 0, 0.0}, {40, 0, 0.0},
                                                  {1, 21, 1.0}, {2, 21, 11.0 / 32.0}, {0, 22, 0.0}};
    for (const auto& [column, row, fraction] : cells)
        EXPECT_DOUBLE_EQ(coverage.fraction(column, row), fraction) << column << "," << row;
}

TEST(TileRule, CoversSolidBlocksWithCappedTilesAndReportsWhatItCannot)
{
    Fixture level;
    for (std::size_t row = 10; row <= 14; ++row) level.rows[row] = std::string(20, '.') + "######";
    const MapData map = level.compile("tiles grass\n");
    // The 6x5 block: one capped 128 tile, then 64 tiles, capped only along the top; its last row is covered by
    // overlapping a tile upwards (nothing at 20,14). The floor: capped 64 tiles along row 23.
    EXPECT_THAT(piecesAt(map, {{20, 10}, {24, 10}, {20, 14}, {20, 13}, {0, 23}, {1, 23}}),
                testing::ElementsAre(42, 32, 0, 31, 32, 0));
    EXPECT_TRUE(CoverageReport::measure(map, CoverageMap(map.pieces, level.pictures)).clean());

    // A column one cell wide cannot take a tile: the fault points at its map cell.
    level.rows[5] = level.rows[6] = std::string(30, '.') + "#";
    EXPECT_THAT(level.fault("tiles grass\n"), testing::StartsWith("cover.level:9:31: solid cell 30,5 shows no"));
    // Only the rule's columns are tiled; the rest must be covered by placed pictures.
    level.rows[5] = level.rows[6] = "";
    EXPECT_THAT(level.fault("tiles grass 0-199\n"), testing::StartsWith("cover.level:27:201: solid cell 200,23 shows"));
    // Two rules side by side, each with its own material.
    const MapData split = level.compile("tiles grass 0-199\ntiles roof 200-374\n");
    EXPECT_THAT(piecesAt(split, {{198, 23}, {200, 23}}), testing::ElementsAre(32, 40));
}

TEST(TileRule, PlacedPicturesCountAndGhostTerrainIsNamed)
{
    Fixture level;
    for (std::size_t row = 0; row <= 12; ++row) level.rows[row] = std::string(50, '.') + "######";
    // The formation at column 50 covers rows 0 to 11 of its six solid columns, and half of row 12:
    // only that row is tiled.
    const MapData map = level.compile("tiles stone\ncollision 5 at 50,0\n");
    for (int row = 0; row < 11; ++row)
        for (int column = row == 0 ? 51 : 50; column < 56; ++column)
            EXPECT_EQ(map.pieces[at(column, row)], 0) << column << "," << row;
    EXPECT_THAT(piecesAt(map, {{50, 11}, {54, 11}, {0, 23}}), testing::Each(3)) << "stone has one tile, capped or not";
    // Row 12 free: ghost terrain, named with the line that placed the picture.
    level.rows[12] = "";
    EXPECT_EQ(level.fault("tiles stone\n\ncollision 5 at 50,0\n"),
              "cover.level:18:51: free cell 50,12 looks solid (50% covered by collision 5 at 50,0 (line 4))");
}
