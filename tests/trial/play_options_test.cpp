// The options file: the defaults without it, what it keeps, what it refuses (once, in the log), a failed write.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.hpp"
#include "trial/play_options.hpp"

using namespace testing_support;

namespace {

TEST(PlayOptionsTest, KeepsTheGhostChoiceRefusesADamagedFileForTheDefaultsAndLogsAFailedWrite)
{
    TempDir dir;
    EXPECT_EQ(logOf([] { EXPECT_TRUE(PlayOptions::load().ghostShown); }), "") << "no file: the defaults, quietly";

    PlayOptions hidden;
    hidden.ghostShown = false;
    ASSERT_EQ(logOf([&] { EXPECT_TRUE(hidden.save()); }), "") << "the folder is made";
    EXPECT_EQ(readText("data/dat/options.dat"), "fezzle-options 1\nghost 0\n");
    EXPECT_FALSE(PlayOptions::load().ghostShown);

    for (const char* damaged : {"", "fezzle-options 2\nghost 0\n", "fezzle-options 1\nghost 2\n",
                                "fezzle-options 1\nghost 0\nghost 0\n", "fezzle-options 1\nghost 0", "\x7f\x45LF"}) {
        writeText("data/dat/options.dat", damaged);
        EXPECT_EQ(logOf([] { EXPECT_TRUE(PlayOptions::load().ghostShown); }), "Failed to load ./data/dat/options.dat\n")
            << damaged;
    }

    writeText("data/dat/options.dat", "fezzle-options 1\nghost 1\n");
    // A folder where the temporary file goes: no one can write it, root neither.
    makeDirs("data/dat/options.dat.tmp");
    EXPECT_EQ(logOf([&] { EXPECT_FALSE(hidden.save()); }), "Failed to save ./data/dat/options.dat\n");
    EXPECT_EQ(readText("data/dat/options.dat"), "fezzle-options 1\nghost 1\n");
}

}  // namespace
