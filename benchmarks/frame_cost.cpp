// A frame's own cost in instructions: plays the menu or a level's stored track, updating and drawing
// each frame into OpenGL calls that only count, and under callgrind dumps the counts of every frame
// separately (zeroed before the frame, dumped after it), so that the machine's load does not enter
// the figure. Without valgrind it prints the frames' times instead.
//   valgrind --tool=callgrind fezzle-frame-cost [--data DIR] (--level N [--hard] | --menu [--frames N])
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "bench_data_dir.hpp"
#include "frame_clock.hpp"
#include "level_play.hpp"
#include "menu_play.hpp"
#include "play_choice.hpp"
#include "quiet_log.hpp"
#include "sample_stats.hpp"

namespace {

struct Options {
    PlayChoice play;
    int menuFrames = 600;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            options.menuFrames = std::atoi(argv[++i]);
        } else if (!options.play.take(argc, argv, i)) {
            return false;
        }
    }
    return options.play.scene == PlayChoice::Scene::Level || options.play.scene == PlayChoice::Scene::Menu;
}

// Brackets one frame: its own dump under callgrind, its time otherwise.
template <typename Step>
void measuredFrame(Step step, SampleStats& frameUs)
{
    CALLGRIND_ZERO_STATS;
    const double start = nowMicroseconds();
    step();
    frameUs.add(nowMicroseconds() - start);
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
    BenchDataDir workDir(options.play.data);
    if (!workDir.readyOrSay()) {
        return 1;
    }
    SampleStats frameUs;
    if (options.play.scene == PlayChoice::Scene::Level) {
        const InputTrack track = storedTrack(options.play.level, options.play.hard);
        LevelPlay play(options.play.level, options.play.hard, track);
        while (!play.over()) {
            measuredFrame([&play] { play.wholeFrame(); }, frameUs);
        }
    } else {
        MenuPlay play;
        for (int frame = 0; frame < options.menuFrames; ++frame) {
            measuredFrame([&play] { play.wholeFrame(); }, frameUs);
        }
    }
    std::fprintf(report, "frames %zu us median %.1f p99 %.1f max %.1f\n", frameUs.count(), frameUs.median(),
                 frameUs.percentile(99.0), frameUs.max());
    return 0;
}
