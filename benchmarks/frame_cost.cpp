// A frame's own cost in instructions: plays the menu or a level's stored track, updating and drawing
// each frame into OpenGL calls that only count, and under callgrind dumps the counts of every frame
// separately (zeroed before the frame, dumped after it), so that the machine's load does not enter
// the figure. Without valgrind it prints the frames' processor time instead.
//   valgrind --tool=callgrind fezzle-frame-cost [--data DIR] (--level N [--hard] | --menu [--frames N])
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "bench_data_dir.hpp"
#include "level_play.hpp"
#include "menu_play.hpp"
#include "quiet_log.hpp"
#include "sample_stats.hpp"

namespace {

struct Options {
    std::string data = "data";
    int level = -1;
    bool hard = false;
    int menuFrames = 600;
};

bool parse(int argc, char** argv, Options& options)
{
    bool menu = false;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--data") == 0 && hasValue) {
            options.data = argv[++i];
        } else if (std::strcmp(argv[i], "--level") == 0 && hasValue) {
            options.level = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--hard") == 0) {
            options.hard = true;
        } else if (std::strcmp(argv[i], "--menu") == 0) {
            menu = true;
        } else if (std::strcmp(argv[i], "--frames") == 0 && hasValue) {
            options.menuFrames = std::atoi(argv[++i]);
        } else {
            return false;
        }
    }
    return menu != (options.level >= 0);
}

double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// Brackets one frame: its own dump under callgrind, its processor time otherwise.
template <typename Step>
void measuredFrame(Step step, SampleStats& frameUs)
{
    CALLGRIND_ZERO_STATS;
    const double start = threadCpuMicroseconds();
    step();
    frameUs.add(threadCpuMicroseconds() - start);
    CALLGRIND_DUMP_STATS;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: fezzle-frame-cost [--data DIR] (--level N [--hard] | --menu [--frames N])\n");
        return 2;
    }
    std::FILE* report = divertGameLog("/dev/null");
    BenchDataDir workDir(options.data);
    if (!workDir.ready()) {
        std::fprintf(stderr, "no maps under %s/maps: build the game data first\n", options.data.c_str());
        return 1;
    }
    SampleStats frameUs;
    if (options.level >= 0) {
        const InputTrack track = storedTrack(options.level, options.hard);
        LevelPlay play(options.level, options.hard, track);
        while (!play.over()) {
            measuredFrame([&play] { play.wholeFrame(); }, frameUs);
        }
    } else {
        MenuPlay play;
        for (int frame = 0; frame < options.menuFrames; ++frame) {
            measuredFrame([&play] { play.wholeFrame(); }, frameUs);
        }
    }
    std::fprintf(report, "frames %zu cpu_us median %.1f p99 %.1f max %.1f\n", frameUs.count(), frameUs.median(),
                 frameUs.percentile(99.0), frameUs.max());
    return 0;
}
