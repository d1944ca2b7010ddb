// In-process figures of the game's own work, without a window:
//   World/<level>/<hard>   a whole play of a level's stored track, the world's update alone
//                          (the frame timer's tick and the action state's update): frames_per_s
//                          and the update's wall time per frame, median and 99th percentile.
//   Frame/<level>/<hard>   the same play with each frame drawn into OpenGL calls that only count:
//                          the frame's own time, median and 99th percentile (see frame_clock.hpp).
//   GhostFrame/<level>/<hard> the same with the level's demo flying as its best run's ghost.
//   MenuFrame              the menu's main screen, updated and drawn the same way.
// Run from the repository root after the game data is built (it reads ./data), or pass
// --data DIR before the Google Benchmark options. --benchmark_out=FILE --benchmark_out_format=csv
// writes the figures for scripts.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_data_dir.hpp"
#include "frame_clock.hpp"
#include "gl_stub.hpp"
#include "level_play.hpp"
#include "menu_play.hpp"
#include "quiet_log.hpp"
#include "replays/replay_file.hpp"
#include "sample_stats.hpp"

namespace {

constexpr int levelCount = 18;
constexpr int menuFrames = 600;

// Every run reports the same counters (the CSV output needs that); a run without per-frame times
// reports zeros for them.
void reportFrames(benchmark::State& state, double frames, const SampleStats& frameUs, std::uint64_t glCalls,
                  std::size_t entities)
{
    state.counters["frames_per_s"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["p50_us"] = frameUs.median();
    state.counters["p99_us"] = frameUs.percentile(99.0);
    state.counters["max_us"] = frameUs.max();
    state.counters["gl_calls"] = frames > 0.0 ? static_cast<double>(glCalls) / frames : 0.0;
    state.counters["entities"] = static_cast<double>(entities);
}

// The update alone: the rules that test what is on screen (a blower's height, a fading bumper's
// end) run in it, so the frames need no drawing to play as in the game.
void World(benchmark::State& state)
{
    const int level = static_cast<int>(state.range(0));
    const bool hard = state.range(1) != 0;
    const InputTrack track = storedTrack(level, hard);
    SampleStats frameUs;
    double frames = 0.0;
    std::size_t entities = 0;
    for (auto _ : state) {
        auto play = std::make_unique<LevelPlay>(level, hard, track);
        double updatingUs = 0.0;
        while (!play->over()) {
            const double start = nowMicroseconds();
            play->updateFrame();
            const double spent = nowMicroseconds() - start;
            updatingUs += spent;
            frameUs.add(spent);
        }
        state.SetIterationTime(updatingUs * 1e-6);
        frames += play->frames;
        entities = std::max(entities, play->mostEntities);
    }
    reportFrames(state, frames, frameUs, 0, entities);
}

// Whole frames of plays of a level's stored track; with `ghost`, the level's demo flies beside
// the hat as its best run (the same track, so the ghost is on screen in every frame).
void framePlays(benchmark::State& state, bool ghost)
{
    const int level = static_cast<int>(state.range(0));
    const bool hard = state.range(1) != 0;
    const InputTrack track = storedTrack(level, hard);
    SampleStats frameUs;
    double frames = 0.0;
    std::uint64_t glCalls = 0;
    std::size_t entities = 0;
    std::error_code error;
    if (ghost) {
        std::filesystem::create_directories(std::filesystem::path(ReplayFile::bestRunPath(level, hard)).parent_path(),
                                            error);
        std::filesystem::copy_file(ReplayFile::demoPath(level, hard), ReplayFile::bestRunPath(level, hard),
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto play = std::make_unique<LevelPlay>(level, hard, track);
        state.ResumeTiming();
        const std::uint64_t callsBefore = stubGlCalls();
        while (!play->over()) {
            const double start = nowMicroseconds();
            play->wholeFrame();
            frameUs.add(nowMicroseconds() - start);
        }
        glCalls += stubGlCalls() - callsBefore;
        state.PauseTiming();
        frames += play->frames;
        entities = std::max(entities, play->mostEntities);
        play = nullptr;
        state.ResumeTiming();
    }
    std::filesystem::remove(ReplayFile::bestRunPath(level, hard), error);
    reportFrames(state, frames, frameUs, glCalls, entities);
}

void Frame(benchmark::State& state)
{
    framePlays(state, false);
}

void GhostFrame(benchmark::State& state)
{
    framePlays(state, true);
}

void MenuFrame(benchmark::State& state)
{
    SampleStats frameUs;
    double frames = 0.0;
    std::uint64_t glCalls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto play = std::make_unique<MenuPlay>();
        state.ResumeTiming();
        const std::uint64_t callsBefore = stubGlCalls();
        for (int frame = 0; frame < menuFrames; ++frame) {
            const double start = nowMicroseconds();
            play->wholeFrame();
            frameUs.add(nowMicroseconds() - start);
        }
        glCalls += stubGlCalls() - callsBefore;
        frames += menuFrames;
        state.PauseTiming();
        play = nullptr;
        state.ResumeTiming();
    }
    reportFrames(state, frames, frameUs, glCalls, 0);
}

void everyLevel(benchmark::internal::Benchmark* benchmark)
{
    for (int level = 0; level < levelCount; ++level) {
        for (int hard = 0; hard < 2; ++hard) {
            benchmark->Args({level, hard});
        }
    }
}

// A fixed number of whole plays: a short level's update is over in a tenth of a millisecond, and
// plays chosen by time alone would spend minutes on their untimed set-up.
constexpr int playsPerLevel = 10;
BENCHMARK(World)
    ->Apply(everyLevel)
    ->ArgNames({"level", "hard"})
    ->UseManualTime()
    ->Iterations(playsPerLevel)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Frame)
    ->Apply(everyLevel)
    ->ArgNames({"level", "hard"})
    ->Iterations(playsPerLevel)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(GhostFrame)
    ->Apply(everyLevel)
    ->ArgNames({"level", "hard"})
    ->Iterations(playsPerLevel)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MenuFrame)->Unit(benchmark::kMillisecond);

// Takes "--data DIR" off the front of the arguments; "data" when absent.
std::string takeDataDir(int& argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--data") == 0) {
        std::string dir = argv[2];
        for (int i = 3; i < argc; ++i) {
            argv[i - 2] = argv[i];
        }
        argc -= 2;
        return dir;
    }
    return "data";
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string dataDir = takeDataDir(argc, argv);
    // The game logs to standard output; the figures go to the original one, past the game's log.
    std::FILE* report = divertGameLog("/dev/null");
    std::ofstream console("/proc/self/fd/" + std::to_string(fileno(report)));
    BenchDataDir workDir(dataDir);
    if (!workDir.readyOrSay()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter(isatty(fileno(report)) != 0 ? benchmark::ConsoleReporter::OO_ColorTabular
                                                                    : benchmark::ConsoleReporter::OO_Tabular);
    reporter.SetOutputStream(&console);
    reporter.SetErrorStream(&console);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
