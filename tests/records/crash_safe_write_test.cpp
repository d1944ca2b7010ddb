// The one way the game writes a file: whole or not at all, folders made on the way.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "records/crash_safe_write.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes, int* error = nullptr)
{
    return makeFoldersFor(path) && writeCrashSafe(path, bytes.data(), bytes.size(), error);
}

TEST(CrashSafeWrite, MakesTheFoldersOnTheWayReplacesWholeFilesAndLeavesTheOldOneWhenAStepFails)
{
    const TempDir dir;
    const std::vector<std::uint8_t> first{1, 2, 3}, second{9, 8, 7, 6, 5};
    EXPECT_TRUE(write("./data/dat/deeper/file.bin", first));
    EXPECT_EQ(readFile("data/dat/deeper/file.bin"), first);
    EXPECT_TRUE(write("./data/dat/deeper/file.bin", second));
    EXPECT_EQ(readFile("data/dat/deeper/file.bin"), second) << "the new file, not the old one grown";
    EXPECT_FALSE(fileExists(crashSafeTemporary("data/dat/deeper/file.bin")));
    EXPECT_TRUE(write("plain.bin", {}));
    EXPECT_TRUE(fileExists("plain.bin") && readFile("plain.bin").empty());

    // A folder where the temporary file goes: the write fails and says why, the old file stays.
    makeDirs(crashSafeTemporary("data/dat/deeper/file.bin"));
    int error = 0;
    EXPECT_FALSE(write("./data/dat/deeper/file.bin", first, &error));
    EXPECT_EQ(error, EISDIR);
    EXPECT_EQ(readFile("data/dat/deeper/file.bin"), second);
    EXPECT_FALSE(write("./data/dat/deeper/file.bin", first)) << "what stood there is not the writer's to remove";
    // A missing folder is made only when asked for; a file where a folder should be fails both ways.
    EXPECT_FALSE(writeCrashSafe("./data/missing/file.bin", first.data(), first.size(), &error));
    EXPECT_EQ(error, ENOENT);
    writeText("data/blocked", "not a folder");
    EXPECT_FALSE(makeFoldersFor("./data/blocked/inner/file.bin"));
    EXPECT_FALSE(writeCrashSafe("./data/blocked/file.bin", first.data(), first.size(), &error));
    EXPECT_EQ(error, ENOTDIR);
}

}  // namespace
