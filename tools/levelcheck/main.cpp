// fezzle-levelcheck: plays every level's stored input tracks with the game's own code and says
// whether each still reaches the toilet.
//   fezzle-levelcheck [--maps DIR] [--tracks DIR] [--level N] [--show [--shots DIR]]
// Lines: "map<N> easy ok <time> margin <room> bumps <n> met <kinds> variants <k>/<n>". The exit
// status is 1 when any base run fails.
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "level_check.hpp"
#include "level_error.hpp"
#include "map_file.hpp"
#include "quiet_log.hpp"
#include "records/format_time.hpp"

namespace {

constexpr int levelCount = 18;
constexpr const char* modeNames[] = {"easy", "hard"};

// The same track from other starting points: the runtime's sequence moved on, the clock later.
const std::array<LevelRun::Start, 4> variants = {{
    {LevelRun::defaultClockMs + 5, 1},
    {LevelRun::defaultClockMs + 1250, 0},
    {LevelRun::defaultClockMs, 13},
    {LevelRun::defaultClockMs + 333, 101},
}};

struct Options {
    std::string maps = "data/maps";
    std::string tracks = FEZZLE_TRACKS_DIR;
    std::string shots = "levelcheck-shots";
    int level = -1;
    bool show = false;
};

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--maps" && hasValue) {
            options.maps = argv[++i];
        } else if (argument == "--tracks" && hasValue) {
            options.tracks = argv[++i];
        } else if (argument == "--shots" && hasValue) {
            options.shots = argv[++i];
        } else if (argument == "--level" && hasValue) {
            options.level = std::atoi(argv[++i]);
        } else if (argument == "--show") {
            options.show = true;
        } else {
            std::fprintf(stderr,
                         "usage: fezzle-levelcheck [--maps DIR] [--tracks DIR] [--level N] [--show [--shots DIR]]\n");
            return false;
        }
    }
    return true;
}

// A level must have one start point with room for the hat, and a toilet.
std::string layoutFault(const MapData& map)
{
    int starts = 0;
    int toilets = 0;
    for (std::int8_t value : map.objects) {
        const int kind = (value < 0 ? -value : value) - 1;
        starts += kind == typeId(EntityType::StartPoint) ? 1 : 0;
        toilets += kind == typeId(EntityType::Toilet) ? 1 : 0;
    }
    if (starts != 1) {
        return std::to_string(starts) + " start points";
    }
    return toilets == 0 ? "no toilet" : "";
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

bool checkMode(const Options& options, int level, int mode, std::FILE* out)
{
    const std::string map = options.maps + "/map" + std::to_string(level) + ".mp";
    const std::string name = "map" + twoDigits(level) + "-" + modeNames[mode];
    const std::string fault = layoutFault(MapFile::read(map));
    if (!fault.empty()) {
        std::fprintf(out, "map%d %s FAIL %s\n", level, modeNames[mode], fault.c_str());
        return false;
    }
    const InputTrack track = InputTrack::load(options.tracks + "/" + name + ".track");
    std::string shotPrefix;
    if (options.show) {
        std::filesystem::create_directories(options.shots);
        shotPrefix = options.shots + "/" + name;
    }
    const CheckResult base = LevelCheck::replay(map, mode == 1, track, LevelRun::Start{}, shotPrefix);
    int held = 0;
    for (const LevelRun::Start& start : variants) {
        held += LevelCheck::replay(map, mode == 1, track, start).finished ? 1 : 0;
    }
    char time[timeTextSize];
    formatTime(base.levelTimeMs, time);
    std::fprintf(out, "map%d %s %s %s (%d ms) margin %d bumps %d met %s variants %d/%zu\n", level, modeNames[mode],
                 base.finished ? "ok" : "FAIL", time, base.levelTimeMs, base.lowestMargin, base.hardBumps,
                 base.met.empty() ? "-" : base.met.c_str(), held, variants.size());
    std::fflush(out);
    return base.finished;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return 2;
    }
    std::FILE* out = divertGameLog("levelcheck.log");
    bool allFinished = true;
    for (int level = 0; level < levelCount; ++level) {
        if (options.level >= 0 && level != options.level) {
            continue;
        }
        for (int mode = 0; mode < 2; ++mode) {
            try {
                allFinished = checkMode(options, level, mode, out) && allFinished;
            } catch (const std::exception& fault) {
                std::fprintf(out, "map%d %s FAIL %s\n", level, modeNames[mode], fault.what());
                allFinished = false;
            }
        }
    }
    return allFinished ? 0 : 1;
}
