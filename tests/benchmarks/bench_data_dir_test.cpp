// The measuring programs' folder links the real data: their writes and their cleaning up must never reach it.
#include <gtest/gtest.h>

#include <filesystem>

#include "bench_data_dir.hpp"
#include "support/test_support.hpp"

namespace fs = std::filesystem;
using namespace testing_support;

TEST(BenchDataDir, ShowsTheDataKeepsItsRecordsApartAndNeedsTheMaps)
{
    TempDir dir;
    writeText("game/data/maps/map0.mp", "map");
    writeText("game/data/dat/game.dat", "player's records");
    writeText("game/data/kuva1.png", "picture");
    std::string workPath;
    {
        BenchDataDir work("game/data");
        ASSERT_TRUE(work.ready());
        workPath = fs::current_path().string();
        EXPECT_NE(workPath, dir.path()) << "the programs work in a folder of their own";
        EXPECT_EQ(readText("data/maps/map0.mp") + readText("data/kuva1.png"), "mappicture");
        EXPECT_FALSE(fileExists("data/dat/game.dat")) << "the records folder starts empty";
        writeText("data/dat/game.dat", "a benchmark's records");
    }
    EXPECT_EQ(fs::current_path().string(), dir.path()) << "the working folder is given back";
    EXPECT_FALSE(fs::exists(workPath));
    EXPECT_EQ(readText("game/data/dat/game.dat"), "player's records");
    EXPECT_EQ(readText("game/data/maps/map0.mp") + readText("game/data/kuva1.png"), "mappicture") << "links' targets";

    writeText("empty/data/kuva1.png", "picture");
    EXPECT_FALSE(BenchDataDir("empty/data").ready()) << "data without maps";
    EXPECT_FALSE(BenchDataDir("nowhere").ready());
}
