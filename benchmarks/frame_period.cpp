// The whole frame period with the real window, audio and rasteriser: the game's own main loop
// (clear, update, draw, events, buffer swap, the frame timer's pacing) over a level's stored track
// or the menu, or with no state at all (the loop's own floor: clear, pacing and swap), timed at
// each swap for a set time after a warm-up. A level that ends (the toilet or
// a burst) starts again; a level is held unpaused, as a player's key would. Prints the median,
// 99th and 99.9th percentile and slowest period, the processor time per frame of all the process's
// threads (the rasteriser's included), and the peak resident memory of the process.
//   fezzle-frame-period [--data DIR] (--level N [--hard] | --menu | --idle) [--seconds S] [--warmup S]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "bench_data_dir.hpp"
#include "engine/frame_loop.hpp"
#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "input_track.hpp"
#include "level_play.hpp"
#include "play_choice.hpp"
#include "quiet_log.hpp"
#include "sample_stats.hpp"
#include "states/action_state.hpp"
#include "states/menu_state.hpp"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double slowFrameMs = 33.0;

using Scene = PlayChoice::Scene;

struct Options {
    PlayChoice play;
    double seconds = 120.0;
    double warmupSeconds = 10.0;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--seconds") == 0 && hasValue) {
            options.seconds = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--warmup") == 0 && hasValue) {
            options.warmupSeconds = std::atof(argv[++i]);
        } else if (!options.play.take(argc, argv, i)) {
            return false;
        }
    }
    return options.play.scene != Scene::None;
}

// The level from its start, as the menu would begin it.
ActionState* startLevel(GameEngine& engine)
{
    auto state = std::make_unique<ActionState>();
    ActionState* action = state.get();
    engine.changeState(std::move(state));
    return action;
}

void holdKeys(Hat& hat, std::uint8_t keys)
{
    hat.keyLeft = (keys & HeldKeys::left) != 0;
    hat.keyRight = (keys & HeldKeys::right) != 0;
    hat.keyThrust = (keys & HeldKeys::thrust) != 0;
}

// Processor time of every thread of the process: the game's and the rasteriser's.
double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: fezzle-frame-period [--data DIR] (--level N [--hard] | --menu | --idle) [--seconds S] "
                     "[--warmup S]\n");
        return 2;
    }
    std::FILE* report = divertGameLog("/dev/null");
    BenchDataDir workDir(options.play.data);
    if (!workDir.readyOrSay()) {
        return 1;
    }
    viewRect = Rect{0, 0, 800, 600};
    GameEngine engine;
    engine.init(GameEngine::windowTitle, screenWidth, screenHeight, GameEngine::colourDepth, false);
    engine.level = options.play.level;
    engine.saveData->hardMode = options.play.hard ? 1 : 0;

    InputTrack track;
    ActionState* action = nullptr;
    if (options.play.scene == Scene::Level) {
        track = storedTrack(options.play.level, options.play.hard);
        action = startLevel(engine);
    } else if (options.play.scene == Scene::Menu) {
        engine.changeState(std::make_unique<MenuState>());
    }

    SampleStats periodMs;
    double processCpuAtWarmupMs = -1.0;
    int trackFrame = 0;
    int restarts = 0;
    const Clock::time_point begin = Clock::now();
    Clock::time_point lastSwap = begin;
    while (engine.running) {
        if (action != nullptr) {
            if (action->hat->goalReached || action->hat->failed ||
                trackFrame > static_cast<int>(track.frames.size()) + LevelPlay::graceFrames) {
                action = startLevel(engine);
                trackFrame = 0;
                ++restarts;
            }
            action->resume();
            holdKeys(*action->hat, track.at(static_cast<std::size_t>(trackFrame++)));
        }
        runFrame(engine);
        const Clock::time_point now = Clock::now();
        const double sinceBegin = std::chrono::duration<double>(now - begin).count();
        if (sinceBegin > options.warmupSeconds) {
            if (processCpuAtWarmupMs < 0.0) {
                processCpuAtWarmupMs = processCpuMs();
            }
            periodMs.add(std::chrono::duration<double, std::milli>(now - lastSwap).count());
        }
        lastSwap = now;
        if (sinceBegin > options.warmupSeconds + options.seconds) {
            break;
        }
        // The menu's own keys could leave it; the measured screen stays.
        if (options.play.scene == Scene::Menu && engine.state->name != "MenuState") {
            break;
        }
    }
    const double cpuPerFrameMs = (processCpuMs() - processCpuAtWarmupMs) / static_cast<double>(periodMs.count());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(report,
                 "frames %zu period_ms median %.2f p99 %.2f p99.9 %.2f max %.2f over_33ms %.3f%% restarts %d "
                 "cpu_ms_per_frame %.2f peak_kb %ld\n",
                 periodMs.count(), periodMs.median(), periodMs.percentile(99.0), periodMs.percentile(99.9),
                 periodMs.max(), 100.0 * periodMs.fractionAbove(slowFrameMs), restarts, cpuPerFrameMs, usage.ru_maxrss);
    engine.cleanup();
    return 0;
}
