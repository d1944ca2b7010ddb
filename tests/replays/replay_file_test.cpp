// The replay file: what is written reads back whole, and every kind of damage is refused with one
// log line naming the file and why, leaving nothing half read.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "replays/playback_clock.hpp"
#include "replays/replay_file.hpp"
#include "support/test_support.hpp"

using namespace testing_support;

namespace {

constexpr int level = 3;
constexpr const char* mapPath = "data/maps/map3.mp";

Replay sampleRun(std::uint32_t frames)
{
    Replay run;
    run.header.level = level;
    run.header.hardMode = true;
    run.effectsOff = true;
    run.timer = FrameTimer::State{4000000000u, 77};
    run.random = GameRandom(9).state();
    // Reads that go forward and, across the wrap of the counter, back.
    std::uint32_t now = run.timer.lastTicks;
    for (std::uint32_t i = 0; i < frames * 2; ++i) {
        now += (i * 7) % 41;
        run.clockReads.push_back(now);
    }
    run.events = {{0, Input::Kind::KeyDown, InputAction::None},
                  {2, Input::Kind::KeyDown, InputAction::Thrust},
                  {2, Input::Kind::FocusLost, InputAction::None},
                  {frames, Input::Kind::KeyUp, InputAction::Thrust}};
    for (std::uint32_t i = 0; i < frames; ++i) {
        run.samples.push_back(
            ReplaySample{385.0f + 0.1f * static_cast<float>(i), -3.5f, 1.5707964f, static_cast<std::int32_t>(i * 16)});
    }
    run.header.frameCount = frames;
    run.header.finishTime = run.samples.back().levelTime;
    return run;
}

// Every field a run carries, to compare two runs whole.
auto fieldsOf(const Replay& run)
{
    std::vector<std::tuple<std::uint32_t, Input::Kind, InputAction>> events;
    for (const ReplayEvent& e : run.events) events.emplace_back(e.frame, e.kind, e.action);
    const ReplayHeader& h = run.header;
    return std::tuple(h.level, h.hardMode, h.levelChecksum, h.finishTime, h.frameCount, run.effectsOff,
                      run.timer.lastTicks, run.timer.frameCount, run.random, run.clockReads, events, run.samples);
}

void setWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

class ReplayFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(mapPath, std::vector<std::uint8_t>(46880, 7));
        run = sampleRun(500);
        run.header.levelChecksum = ReplayFile::levelChecksum(level);
    }
    // What the game reads of these bytes as the best run, and the log it wrote.
    std::string readBack(const std::vector<std::uint8_t>& bytes, bool& read)
    {
        writeFile(path, bytes);
        return logOf([&] { read = ReplayFile::read(path, level, true, back); });
    }

    TempDir dir;
    Replay run;
    Replay back;
    std::string path = ReplayFile::bestRunPath(level, true);
};

TEST_F(ReplayFileTest, WrittenRunsReadBackWholeAndTheirSamplesServeTheGhost)
{
    EXPECT_EQ(path, "./data/dat/replays/map3-hard.rpl");
    EXPECT_EQ(ReplayFile::demoPath(17, false), "./data/demos/map17-easy.rpl");
    std::string log = logOf([&] { EXPECT_TRUE(ReplayFile::write(path, run)); });
    EXPECT_EQ(log, "");
    log = logOf([&] { EXPECT_TRUE(ReplayFile::read(path, level, true, back)); });
    EXPECT_EQ(log, "");
    EXPECT_TRUE(fieldsOf(run) == fieldsOf(back));

    ReplayHeader header;
    EXPECT_TRUE(ReplayFile::readHeader(path, level, true, header));
    EXPECT_EQ(header.frameCount, 500u);
    std::vector<ReplaySample> samples;
    EXPECT_TRUE(ReplayFile::readSamples(level, true, samples));
    EXPECT_TRUE(samples == run.samples);
    // The other mode has no best run: nothing to read, nothing to say.
    log = logOf([&] { EXPECT_FALSE(ReplayFile::readSamples(level, false, samples)); });
    EXPECT_EQ(log, "");
}

TEST_F(ReplayFileTest, AFailedWriteIsLoggedAndLeavesTheOldRun)
{
    ASSERT_TRUE(ReplayFile::write(path, run));
    const std::vector<std::uint8_t> old = readFile(path);
    // A folder where the temporary file would go.
    makeDirs(path + ".tmp/x");
    Replay better = sampleRun(20);
    const std::string log = logOf([&] { EXPECT_FALSE(ReplayFile::write(path, better)); });
    EXPECT_EQ(log, "Failed to save ./data/dat/replays/map3-hard.rpl\n");
    EXPECT_EQ(readFile(path), old);
}

TEST_F(ReplayFileTest, DamagedOrForeignFilesAreRefusedWithOneLine)
{
    const std::vector<std::uint8_t> good = ReplayFile::encode(run);
    struct Case {
        const char* reason;
        std::function<void(std::vector<std::uint8_t>&)> damage;
    };
    const std::vector<Case> cases = {
        {"empty", [](auto& bytes) { bytes.clear(); }},
        {"truncated", [](auto& bytes) { bytes.resize(20); }},
        {"truncated", [](auto& bytes) { bytes.pop_back(); }},
        {"bytes after the end", [](auto& bytes) { bytes.push_back(0); }},
        {"not a replay", [](auto& bytes) { bytes[0] = 'X'; }},
        {"format version 2", [](auto& bytes) { bytes[4] = 2; }},
        {"no such level", [](auto& bytes) { bytes[6] = 18; }},
        {"made for another level or mode", [](auto& bytes) { bytes[7] = 0; }},
        {"made on another level file", [](auto& bytes) { setWord(bytes, 8, 12345); }},
        {"samples disagree with the run", [](auto& bytes) { setWord(bytes, 12, 1); }},
        {"frame count larger than the file", [](auto& bytes) { setWord(bytes, 16, 600); }},
        {"too many frames", [](auto& bytes) { setWord(bytes, 16, 0xFFFFFFFF); }},
        {"frame count larger than the file", [](auto& bytes) { setWord(bytes, 20, 100); }},
        {"damaged frames", [](auto& bytes) { setWord(bytes, 20, 0x7FFFFFFF); }},
        {"damaged frames", [](auto& bytes) { setWord(bytes, 24, 0); }},
        {"damaged frames", [](auto& bytes) { bytes[40] ^= 0x55; }},
    };
    for (const Case& test : cases) {
        std::vector<std::uint8_t> bytes = good;
        test.damage(bytes);
        bool read = true;
        const std::string log = readBack(bytes, read);
        EXPECT_FALSE(read) << test.reason;
        EXPECT_EQ(log, "Ignored replay ./data/dat/replays/map3-hard.rpl: " + std::string(test.reason) + "\n");
        EXPECT_TRUE(back.samples.empty()) << test.reason;
    }
    // A clock that runs on for more than a day, or steps back, is no run of this game.
    for (const std::uint32_t last : {run.clockReads.front() + 86400001u, run.clockReads.end()[-2] - 1}) {
        Replay odd = run;
        odd.clockReads.back() = last;
        bool read = true;
        EXPECT_EQ(readBack(ReplayFile::encode(odd), read),
                  "Ignored replay ./data/dat/replays/map3-hard.rpl: clock runs past a day\n");
    }
    Replay unclocked = run;
    unclocked.clockReads.clear();
    bool read = true;
    EXPECT_EQ(readBack(ReplayFile::encode(unclocked), read),
              "Ignored replay ./data/dat/replays/map3-hard.rpl: damaged frames\n");
    // A level file changed since the run was made: the file is the same, the level is not.
    writeFile(mapPath, std::vector<std::uint8_t>(46880, 8));
    EXPECT_EQ(readBack(good, read), "Ignored replay ./data/dat/replays/map3-hard.rpl: made on another level file\n");
    ReplayHeader header;
    EXPECT_FALSE(ReplayFile::readHeader(path, level, true, header));
}

TEST(PlaybackClockTest, HandsOutTheReadsThenHoldsTheLastOrTheStartAndNotesTheOverrun)
{
    const std::vector<std::uint32_t> reads{1000, 1016};
    PlaybackClock clock(reads, 990);
    std::vector<std::uint32_t> handed;
    for (int read = 0; read < 3; ++read) {
        handed.push_back(clock.ticks());
        EXPECT_EQ(clock.overrun(), read == 2) << read;
    }
    EXPECT_EQ(handed, (std::vector<std::uint32_t>{1000, 1016, 1016}));
    // A run with no reads is refused on reading; were one played, its first frame would be empty.
    const std::vector<std::uint32_t> none;
    PlaybackClock unclocked(none, 990);
    EXPECT_EQ(unclocked.ticks(), 990u);
    EXPECT_TRUE(unclocked.overrun());
}

}  // namespace
