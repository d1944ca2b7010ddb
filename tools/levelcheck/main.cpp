// fezzle-levelcheck: plays every level's stored input tracks with the game's own code and says
// whether each still reaches the toilet; with --human, lets many human-like pilots fly each level.
//   fezzle-levelcheck [--maps DIR] [--tracks DIR] [--level N]... [--show [--shots DIR]]
//                     [--human [--trials N] [--seed S] [--trial K]] [--medals FILE]
// Lines: "map<N> easy ok <time> margin <room> bumps <n> met <kinds> variants <k>/<n>". The exit
// status is 1 when any base run fails.
// With --human: "map<N> easy rate <percent>% (<finished>/<trials>) median <time> (<ms> ms) margin10
// <room>", the median time and the tenth-percentile room of the finished trials ("-" when none);
// --trial K flies trial K alone and says how it went (with --show, in screenshots).
// With --medals FILE: writes the medal table of the par times (each level and mode's base run)
// instead; a level-mode whose track does not finish gets no medals and a line on standard error.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "human_trials.hpp"
#include "level_check.hpp"
#include "level_error.hpp"
#include "map_file.hpp"
#include "quiet_log.hpp"
#include "records/crash_safe_write.hpp"
#include "records/format_time.hpp"
#include "trial/medal_table.hpp"

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
    std::vector<int> levels;  // every level when empty
    bool show = false;
    bool human = false;
    int trials = HumanTrials::defaultTrials;
    std::uint64_t seed = HumanTrials::defaultSeed;
    int trial = -1;
    std::string medals;
};

constexpr const char* usage =
    "usage: fezzle-levelcheck [--maps DIR] [--tracks DIR] [--level N]... [--show [--shots DIR]]\n"
    "                         [--human [--trials N] [--seed S] [--trial K]] [--medals FILE]\n";

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
            options.levels.push_back(std::atoi(argv[++i]));
        } else if (argument == "--show") {
            options.show = true;
        } else if (argument == "--human") {
            options.human = true;
        } else if (argument == "--trials" && hasValue) {
            options.trials = std::atoi(argv[++i]);
        } else if (argument == "--seed" && hasValue) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (argument == "--trial" && hasValue) {
            options.trial = std::atoi(argv[++i]);
        } else if (argument == "--medals" && hasValue) {
            options.medals = argv[++i];
        } else {
            std::fputs(usage, stderr);
            return false;
        }
    }
    if (options.trials < 1) {
        std::fputs(usage, stderr);
        return false;
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

std::string mapPath(const Options& options, int level)
{
    return options.maps + "/map" + std::to_string(level) + ".mp";
}

std::string timeText(std::int32_t ms)
{
    char time[timeTextSize];
    formatTime(ms, time);
    return std::string(time) + " (" + std::to_string(ms) + " ms)";
}

std::string shotPrefix(const Options& options, const std::string& name)
{
    if (!options.show) {
        return "";
    }
    std::filesystem::create_directories(options.shots);
    return options.shots + "/" + name;
}

// Many people on the level, or one of them.
bool flyHumans(const Options& options, int level, int mode, std::FILE* out)
{
    const LevelRoute route = LevelRoute::load(options.tracks + "/map" + twoDigits(level) + ".route");
    const bool hard = mode == 1;
    if (options.trial >= 0) {
        const HumanTrials::Trial trial = HumanTrials::draw(options.seed, options.trial);
        const std::string name =
            "map" + twoDigits(level) + "-" + modeNames[mode] + "-human" + std::to_string(options.trial);
        const CheckResult result =
            HumanTrials::fly(mapPath(options, level), route, hard, trial, shotPrefix(options, name));
        std::fprintf(out, "map%d %s trial %d %s %s margin %d bumps %d reaction %d ms at %.0f,%.0f\n", level,
                     modeNames[mode], options.trial, result.finished ? "ok" : (result.burst ? "burst" : "gave-up"),
                     timeText(result.levelTimeMs).c_str(), result.lowestMargin, result.hardBumps,
                     trial.traits.reactionMs, static_cast<double>(result.endX), static_cast<double>(result.endY));
        return result.finished;
    }
    const HumanSummary summary =
        HumanTrials::flyAll(mapPath(options, level), route, hard, options.trials, options.seed);
    const bool any = summary.finished > 0;
    std::fprintf(out, "map%d %s rate %.1f%% (%d/%d) median %s margin10 %s\n", level, modeNames[mode],
                 summary.ratePercent(), summary.finished, summary.trials,
                 any ? timeText(summary.medianTimeMs).c_str() : "- (- ms)",
                 any ? std::to_string(summary.tenthMargin).c_str() : "-");
    std::fflush(out);
    return true;
}

bool checkMode(const Options& options, int level, int mode, std::FILE* out)
{
    const std::string map = mapPath(options, level);
    const std::string name = "map" + twoDigits(level) + "-" + modeNames[mode];
    const std::string fault = layoutFault(MapFile::read(map));
    if (!fault.empty()) {
        std::fprintf(out, "map%d %s FAIL %s\n", level, modeNames[mode], fault.c_str());
        return false;
    }
    if (options.human) {
        return flyHumans(options, level, mode, out);
    }
    const InputTrack track = InputTrack::load(options.tracks + "/" + name + ".track");
    const CheckResult base = LevelCheck::replay(map, mode == 1, track, LevelRun::Start{}, shotPrefix(options, name));
    int held = 0;
    for (const LevelRun::Start& start : variants) {
        held += LevelCheck::replay(map, mode == 1, track, start).finished ? 1 : 0;
    }
    std::fprintf(out, "map%d %s %s %s margin %d bumps %d met %s variants %d/%zu\n", level, modeNames[mode],
                 base.finished ? "ok" : "FAIL", timeText(base.levelTimeMs).c_str(), base.lowestMargin, base.hardBumps,
                 base.met.empty() ? "-" : base.met.c_str(), held, variants.size());
    std::fflush(out);
    return base.finished;
}

// Par is the finish time of the stored track from the default start.
bool writeMedals(const Options& options)
{
    MedalTable table;
    for (int level = 0; level < levelCount; ++level) {
        for (int mode = 0; mode < 2; ++mode) {
            const std::string name = "map" + twoDigits(level) + "-" + modeNames[mode];
            try {
                const InputTrack track = InputTrack::load(options.tracks + "/" + name + ".track");
                const CheckResult par =
                    LevelCheck::replay(mapPath(options, level), mode == 1, track, LevelRun::Start{});
                if (par.finished) {
                    table.set(level, mode == 1, MedalTable::fromPar(par.levelTimeMs));
                    continue;
                }
            } catch (const std::exception& fault) {
                std::fprintf(stderr, "%s: %s\n", name.c_str(), fault.what());
            }
            std::fprintf(stderr, "%s: no par time, so no medals\n", name.c_str());
        }
    }
    const std::string text = table.toText();
    int error = 0;
    if (!writeCrashSafe(options.medals, reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), &error)) {
        std::fprintf(stderr, "%s: %s\n", options.medals.c_str(), std::strerror(error));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        return 2;
    }
    std::FILE* out = divertGameLog("levelcheck.log");
    if (!options.medals.empty()) {
        return writeMedals(options) ? 0 : 1;
    }
    bool allFinished = true;
    for (int level = 0; level < levelCount; ++level) {
        if (!options.levels.empty() &&
            std::find(options.levels.begin(), options.levels.end(), level) == options.levels.end()) {
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
