// The level source format, the map file and the compiler program: round trips and refusals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "level_compiler.hpp"
#include "level_error.hpp"
#include "level_source.hpp"
#include "map_file.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

std::size_t at(int column, int row)
{
    return static_cast<std::size_t>(MapData::cellIndex(column, row));
}

// Sets cells of one grid: {column, row, value} each.
void put(MapData::Grid& grid, std::initializer_list<std::array<int, 3>> cells)
{
    for (const auto& [column, row, value] : cells) grid[at(column, row)] = static_cast<std::int8_t>(value);
}

// Every kind of value the file can hold, at both ends of the ranges, signs included.
MapData everythingMap()
{
    MapData map;
    map.version = -123456789;
    map.backgroundStyle = 4;
    for (int column = 0; column < MapData::columns; ++column) map.terrain[at(column, 24)] = 1;
    put(map.terrain, {{0, 0, -128}, {374, 5, 127}, {7, 7, 1}});
    // Objects on a solid cell, at the last cell, and every kind with both signs.
    put(map.objects, {{7, 7, -6}, {374, 24, 8}, {3, 2, 1}, {4, 2, -1}});
    for (int kind = 1; kind <= objectKindCount; ++kind)
        put(map.objects, {{100 + kind, 10, kind}, {100 + kind, 11, -kind}});
    put(map.foreground, {{0, 0, 12}, {374, 24, -1}});
    put(map.pieces, {{0, 24, 50}, {12, 20, -31}});
    put(map.parallax, {{200, 3, -5}, {201, 3, 1}});
    return map;
}

MapData compileText(const std::string& text)
{
    return LevelCompiler::compile(LevelSourceParser::parse(text, "test.level"), nullptr);
}

const std::string freeRow(MapData::columns, '.');

// A small valid source; `extra` goes before the map, `row` (if set) replaces map row 3.
std::string source(const std::string& extra, const std::string& row = "")
{
    std::string text = "; a test level\nbackground 1\n" + extra + "map\n";
    for (int r = 0; r < MapData::rows; ++r) text += (r == 3 && !row.empty() ? row : freeRow) + "\n";
    return text;
}

int levelc(const std::string& args)
{
    return std::system((FEZZLE_LEVELC " " + args + " 2>/dev/null").c_str());
}

}  // namespace

TEST(MapFile, KeepsTheFieldOrderAndByteLayoutOfTheGameAndRefusesBlocksItCannotPlace)
{
    MapData map;
    map.version = 0x01020304;
    map.backgroundStyle = 3;
    put(map.terrain, {{0, 1, 1}});
    put(map.foreground, {{1, 0, -3}});
    put(map.pieces, {{2, 2, 4}});
    put(map.parallax, {{374, 24, 5}});
    put(map.objects, {{10, 20, 1}});
    const std::vector<std::uint8_t> bytes = MapFile::encode(map);
    ASSERT_EQ(bytes.size(), 46880u);
    // The version little-endian, then the grids column by column (foreground -3 at column 1), the style last.
    const std::pair<std::size_t, int> expected[] = {{0, 0x04},
                                                    {3, 0x01},
                                                    {4 + 1, 1},
                                                    {9379 + 25, 0xFD},
                                                    {18754 + 2 * 25 + 2, 4},
                                                    {28129 + 9374, 5},
                                                    {37504 + 10 * 25 + 20, 1},
                                                    {46879, 3}};
    for (const auto& [offset, value] : expected) EXPECT_EQ(bytes[offset], value) << "byte " << offset;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0), 46880 - 10) << "nothing else set";
    EXPECT_EQ(MapFile::decode(bytes, "m.mp"), map);

    // Refused: any other length, and values the game cannot place. Grid offsets: foreground 9379,
    // collision 18754, parallax 28129, objects 37504; the style is last.
    const std::vector<std::uint8_t> good = MapFile::encode(MapData());
    auto damaged = [&](std::size_t offset, int value) {
        std::vector<std::uint8_t> file = good;
        file.resize(std::max(file.size(), offset + 1));
        file[offset] = static_cast<std::uint8_t>(value);
        return file;
    };
    constexpr std::size_t lastObject = 37504 + 25 * 374 + 24;
    const std::pair<std::vector<std::uint8_t>, const char*> damages[] = {
        {{good.begin(), good.end() - 1}, "bad.mp: holds 46879 bytes, a map file holds exactly 46880"},
        {damaged(46880, 0), "bad.mp: holds 46881 bytes"},
        {damaged(46879, 5), "background style 5"},
        {damaged(28129 + 3 * 25 + 4, 6),
         "bad.mp: column 3, row 4 of the parallax grid: picture 6 is past the 5 parallax pictures"},
        {damaged(18754, -51), "picture 51 is past the 50 collision"},
        {damaged(9379, -128), "picture 128"},
        {damaged(lastObject, 9), "column 374, row 24 of the object grid: value 9"},
        {damaged(lastObject, -9), "column 374, row 24 of the object grid: value -9"},
    };
    for (const auto& [file, fault] : damages)
        EXPECT_THAT(faultOf<LevelError>([&] { MapFile::decode(file, "bad.mp"); }), testing::HasSubstr(fault));
}

TEST(LevelSource, ReadsTheGridWithItsLegend)
{
    const MapData map = compileText(
        source("version 7\nparallax 2 at 5,6\nforeground 3 at 2,5 mirrored\n", "#STsWt" + freeRow.substr(6)));
    // Version, style, the terrain under '#' and 'S', parallax, mirrored foreground, then the objects of the row.
    std::vector<int> cells = {map.version,           map.backgroundStyle,    map.terrain[at(0, 3)],
                              map.terrain[at(1, 3)], map.parallax[at(5, 6)], map.foreground[at(2, 5)]};
    for (int column = 0; column < 6; ++column) cells.push_back(map.objects[at(column, 3)]);
    EXPECT_THAT(cells, testing::ElementsAre(7, 1, 1, 0, 2, -3, 0, 1, 2, -1, 3, -2));
    // Comment lines and a ruler may sit among the rows; CR line ends are read as well.
    std::string text = source("");
    text.insert(text.find("map\n") + 4, ";         10\n");
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) text.insert(at, "\r");
    EXPECT_EQ(compileText(text), compileText(source("")));
}

TEST(LevelSource, NamesFileLineAndColumnOfEveryFault)
{
    const std::pair<std::string, std::string> cases[] = {
        {source("colision 3 at 1,1\n"), "test.level:3:1: unknown line \"colision\""},
        {source("collision 51 at 1,1\n"), "test.level:3:11: picture 51 is not 1 to 50"},
        {source("parallax 0 at 1,1\n"), "test.level:3:10: picture 0 is not 1 to 5"},
        {source("collision 3 at 375,1\n"), "test.level:3:16: column 375 is not 0 to 374"},
        {source("collision 3 at 1,25\n"), "test.level:3:18: row 25 is not 0 to 24"},
        {source("collision 3 at 1;1\n"), "test.level:3:16: \"1;1\" is not a cell"},
        {source("collision 3 on 1,1\n"), "test.level:3:13: expected \"at\""},
        {source("collision 3 at 1,1 flipped\n"), "test.level:3:20: expected \"mirrored\""},
        {source("collision 3 at 1,1\ncollision 4 at 1,1 mirrored\n"), "test.level:4:16: cell 1,1 already holds"},
        {source("collision 3x at 1,1\n"), "test.level:3:11: picture \"3x\" is not a whole number"},
        {source("collision 3\n"), "test.level:3:12: missing words"},
        {source("background 2\n"), "test.level:3:1: a second \"background\" line"},
        {source("version 2147483648\n"), "test.level:3:9: version 2147483648 is not"},
        {source("tiles marble\n"), "test.level:3:7: no tiles of material \"marble\""},
        {source("tiles grass 10-5\n"), "test.level:3:16: last column 5 is not 10 to 374"},
        {source("terrain 5 at 4,4\n"), "test.level:3:14: the map shows this cell free"},
        {source("terrain 0 at 4,4\n"), "test.level:3:9: terrain value 0 is a free cell"},
        {source("object X at 4,4\n"), "test.level:3:8: \"X\" is no object letter"},
        {source("", std::string(freeRow).replace(40, 1, "X")), "test.level:7:41: 'X' is no map cell"},
        {source("", std::string(370, '.')), "test.level:7:371: map row 3 has 370 cells, a row has 375"},
        {"background 0\nmap\n" + freeRow + "\n", "test.level:4:1: the map ends after 1 of its 25 rows"},
        {"background 0\n", "test.level:2:1: the level has no map"},
        {source("").substr(source("").find("map\n")), "test.level:1:1: the level has no \"background\" line"},
        {source("") + "map\n", "test.level:29:1: a second map"},
        {source("tiles grass\n"), "test.level:3:1: tiles are laid by looking at the collision pictures"},
    };
    for (const auto& [text, fault] : cases)
        EXPECT_THAT(faultOf<LevelError>([&] { compileText(text); }), testing::StartsWith(fault));
}

TEST(LevelCompilerProgram, RoundTripsFilesAndNeverLeavesAPartialOutput)
{
    TempDir dir;
    MapFile::write("original.mp", everythingMap());
    ASSERT_EQ(levelc("decompile original.mp back.level"), 0);
    ASSERT_EQ(levelc("compile back.level again.mp"), 0);
    EXPECT_EQ(readFile("again.mp"), readFile("original.mp"));
    // The object letters keep their sign, on free and on solid cells.
    const std::string text = readText("back.level");
    for (const char* line : {"object d at 7,7", "terrain -128 at 0,0", "collision 31 at 12,20 mirrored"})
        EXPECT_THAT(text, testing::HasSubstr(line));

    // A failed compile leaves the old output as it was, and no temporary file beside it.
    writeText("broken.level", source("collision 99 at 1,1\n"));
    writeText("short.mp", "abc");
    for (const char* refused : {"compile broken.level again.mp", "compile missing.level out.mp", "frobnicate",
                                "compile back.level no/such/folder/out.mp", "decompile short.mp short.level"})
        EXPECT_NE(levelc(refused), 0) << refused;
    EXPECT_EQ(readFile("again.mp"), readFile("original.mp"));
    const auto files = std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator());
    EXPECT_EQ(files, 5) << "only the files the test wrote itself";
}
