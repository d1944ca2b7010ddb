// The save file: its layout, damaged and missing files, records and the safe write.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <tuple>
#include <sys/resource.h>

#include "records/format_time.hpp"
#include "records/save_data.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

const std::string savePath = "data/dat/game.dat";

class SaveDataTest : public ::testing::Test {
protected:
    TempDir dir;
    SaveData data;
};

TEST_F(SaveDataTest, MissingFileFailsAndLeavesEverythingClear)
{
    data.records[3] = 77;
    data.showFps = 1;
    EXPECT_EQ(logOf([&] { EXPECT_FALSE(data.load()); }), "Failed to load ./data/dat/game.dat\n");
    EXPECT_EQ(data.toBytes(), SaveData().toBytes()) << "all cleared";
}

TEST_F(SaveDataTest, ShortLongAndDamagedFilesLoadWhatTheyHoldSafely)
{
    writeFile(savePath, {0x88, 0x13, 0, 0, 0x58, 0x1B, 0, 0});  // 5000 and 7000
    ASSERT_TRUE(data.load());
    EXPECT_EQ(std::vector<int>(data.records.begin(), data.records.begin() + 3), (std::vector<int>{5000, 7000, 0}));
    EXPECT_EQ(data.musicOff, 0);
    EXPECT_EQ(data.openLevelCount(), 3);

    std::vector<std::uint8_t> longer(400, 0);
    longer[0] = 0xFB, longer[1] = longer[2] = longer[3] = 0xFF;  // -5
    longer[144] = 1;                                             // showFps
    longer[145] = 7;                                             // hardMode
    longer[146] = 255;                                           // effectsOff
    longer[152] = 9;                                             // past the record: ignored
    writeFile(savePath, longer);
    ASSERT_TRUE(data.load());
    EXPECT_EQ(data.records[0], 0) << "a negative record could never be beaten";
    EXPECT_EQ(std::tuple(data.showFps, data.hardMode, data.effectsOff, data.musicOff), std::tuple(1, 1, 1, 0))
        << "any flag but 0 counts as set";
}

TEST_F(SaveDataTest, SaveMakesTheMissingFoldersWritesTheExactLayoutAndRoundTrips)
{
    data.records[0] = 83456;
    data.records[35] = 0x7FFFFFFF;
    data.showFps = data.soundOff = 1;
    ASSERT_TRUE(data.save());
    std::vector<std::uint8_t> layout(152, 0);
    layout[0] = 0x00, layout[1] = 0x46, layout[2] = 0x01;  // 83456
    layout[140] = layout[141] = layout[142] = 0xFF, layout[143] = 0x7F;
    layout[144] = layout[147] = 1;  // showFps, soundOff
    EXPECT_EQ(readFile(savePath), layout);

    SaveData reread;
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.toBytes(), data.toBytes());
}

// Root ignores permissions, so a full disk is stood in for by a limit on the size of files.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = SIG_DFL;
};

TEST_F(SaveDataTest, AFullDiskFailsTheSaveAndKeepsTheOldFileWhole)
{
    data.records[0] = 1000;
    ASSERT_TRUE(data.save());
    const std::vector<std::uint8_t> before = readFile(savePath);
    data.records[0] = 900;
    data.records[35] = 5;
    {
        const FileSizeLimit full(100);  // room for part of the record only
        EXPECT_EQ(logOf([&] {
                      EXPECT_FALSE(data.save());
                      EXPECT_TRUE(data.submitRecord(1, 700)) << "a record even when the file cannot take it";
                  }),
                  "Failed to save ./data/dat/game.dat\nFailed to save ./data/dat/game.dat\n");
    }
    EXPECT_EQ(readFile(savePath), before) << "a short write must never replace the file";
    EXPECT_FALSE(fileExists("data/dat/game.dat.tmp"));
    EXPECT_EQ(data.records[0], 900);
    EXPECT_EQ(data.getRecord(1), 700) << "play goes on with the records in memory";
    EXPECT_TRUE(data.save()) << "once there is room again the file is written";
    const auto image = data.toBytes();
    EXPECT_EQ(readFile(savePath), std::vector<std::uint8_t>(image.begin(), image.end()));
}

TEST_F(SaveDataTest, RecordsAreKeptPerModeOnlyWhenFasterAndOpenTheLevelsInTurn)
{
    data.hardMode = 1;
    data.records[18] = 90000;
    EXPECT_TRUE(data.submitRecord(0, 83456));
    EXPECT_EQ(data.records[18], 83456);
    EXPECT_EQ(data.records[0], 0) << "easy records stay untouched";
    EXPECT_FALSE(data.submitRecord(0, 83456)) << "a tie keeps the old record";
    EXPECT_FALSE(data.submitRecord(0, 90000));
    const std::vector<std::uint8_t> bytes = readFile(savePath);
    ASSERT_EQ(bytes.size(), 152u);
    EXPECT_EQ(std::vector<int>(bytes.begin() + 72, bytes.begin() + 76), (std::vector<int>{0x00, 0x46, 0x01, 0}))
        << "83456 in the first hard slot";
    EXPECT_EQ(data.openLevelCount(), 2);
    std::fill(data.records.begin() + 19, data.records.end(), 1000);
    EXPECT_EQ(data.openLevelCount(), 18) << "no more than the mode's levels";

    data.hardMode = 0;
    EXPECT_TRUE(data.submitRecord(4, 1)) << "an empty slot takes any time";
    // Level 5's easy slot is 4, its hard slot 4 + 18 = 22 (which holds 1000 by now).
    EXPECT_EQ(data.getRecord(4), 1);
    data.hardMode = 1;
    EXPECT_EQ(data.getRecord(4), 1000);
    data.hardMode = 0;
    EXPECT_FALSE(data.submitRecord(18, 5)) << "no slot past the mode's levels";
    std::fill(data.records.begin(), data.records.begin() + 3, 1000);
    EXPECT_EQ(data.openLevelCount(), 4) << "level 5 has a record, but level 4 has none";
}

TEST(FormatTimeTest, MinutesAndTwoDigitSecondsForEveryInt)
{
    // Negative times (the last two) stay inside the buffer.
    const std::pair<int, const char*> cases[] = {{0, "0.00"},           {5999, "0.05"},           {59999, "0.59"},
                                                 {61000, "1.01"},       {83456, "1.23"},          {600000, "10.00"},
                                                 {INT_MAX, "35791.23"}, {INT_MIN, "-35791.0-23"}, {-1000, "0.0-1"}};
    for (const auto& [ms, expected] : cases) {
        char text[timeTextSize];
        formatTime(ms, text);
        EXPECT_STREQ(text, expected) << ms;
    }
}

}  // namespace
