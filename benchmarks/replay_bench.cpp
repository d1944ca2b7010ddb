// What replays cost: the recording every live run carries, per frame, and checking a recorded run
// by playing it back headless. The busiest level's stored track is flown through the action state
// once (16 ms frames) to get a real run; then
//  - recording: that run's clock reads, inputs and samples noted again by a recorder over a manual
//    clock, frame by frame, timed against the same reads from the bare clock (the difference is
//    what recording adds to a frame), and the finish's one write of the file;
//  - checking: the run and every shipped demo read from their files and played back through the
//    action state to the end, timed in processor time and given per 60 s of play.
// Prints one "name value" line per figure (medians of the repetitions).
//   fezzle-replay-bench [--data DIR] [--level N] [--hard] [--repeats R]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "bench_data_dir.hpp"
#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "level_play.hpp"
#include "quiet_log.hpp"
#include "replays/replay_file.hpp"
#include "replays/replay_recorder.hpp"
#include "sample_stats.hpp"
#include "states/track_flight.hpp"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double playMsPerCheck = 60000.0;

struct Options {
    std::string data = "build/data";
    int level = 16;
    bool hardMode = true;
    int repeats = 21;
};

double nsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Processor time of this thread, in ms: the machine is shared, and waiting for a core is not the
// check's cost.
double threadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The run's reads fed through a clock frame by frame, noting each frame when a recorder is given.
double feedNs(const Replay& run, ReplayRecorder* recorder, const Hat& hat)
{
    const std::size_t frames = run.samples.size();
    const std::size_t reads = run.clockReads.size();
    std::size_t event = 0;
    std::uint32_t sink = 0;
    const Clock::time_point start = Clock::now();
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const std::size_t upTo = reads * (frame + 1) / frames;
        for (std::size_t read = reads * frame / frames; read < upTo; ++read) sink += currentTicks();
        for (; event < run.events.size() && run.events[event].frame <= frame; ++event) {
            if (recorder != nullptr)
                recorder->noteInput(Input{run.events[event].kind, SDLK_UNKNOWN, run.events[event].action});
        }
        if (recorder != nullptr) recorder->noteFrame(hat);
    }
    const double ns = nsSince(start);
    return sink == 1 ? ns + 1 : ns;
}

struct Check {
    double ms;
    std::int32_t playedMs;
    bool matched;
    double msPer60s() const { return ms * playMsPerCheck / std::max(playedMs, 1); }
};

Check timeCheck(GameEngine& engine, const std::string& path, int level, bool hardMode, int repeats)
{
    SampleStats ms;
    bool matched = true;
    std::int32_t played = 0;
    for (int i = 0; i < repeats; ++i) {
        const double start = threadMs();
        Replay run;
        matched = ReplayFile::read(path, level, hardMode, run) && matched;
        const TrackFlight::End end = TrackFlight::play(engine, run);
        ms.add(threadMs() - start);
        matched = matched && end.matched;
        played = end.levelTime;
    }
    return Check{ms.median(), played, matched};
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--data") == 0 && hasValue) {
            options.data = argv[++i];
        } else if (std::strcmp(argv[i], "--level") == 0 && hasValue) {
            options.level = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--hard") == 0) {
            options.hardMode = true;
        } else if (std::strcmp(argv[i], "--easy") == 0) {
            options.hardMode = false;
        } else if (std::strcmp(argv[i], "--repeats") == 0 && hasValue) {
            options.repeats = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: %s [--data DIR] [--level N] [--hard|--easy] [--repeats R]\n", argv[0]);
            return 2;
        }
    }
    BenchDataDir dir(options.data);
    if (!dir.readyOrSay()) return 1;
    std::FILE* out = divertGameLog("replay-bench-log.txt");

    ManualClock clock(LevelPlay::startClockMs);
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    TrackFlight::Plan plan;
    plan.level = options.level;
    plan.hardMode = options.hardMode;
    plan.keys = storedTrack(options.level, options.hardMode).frames;
    TrackFlight::End flown;
    const Replay run = TrackFlight::fly(engine, clock, plan, flown);
    const Hat hat;

    SampleStats bare;
    SampleStats recorded;
    SampleStats written;
    const std::string path = ReplayFile::bestRunPath(options.level, options.hardMode);
    for (int i = 0; i < options.repeats; ++i) {
        bare.add(feedNs(run, nullptr, hat));
        ReplayRecorder recorder(run.header, run.effectsOff, run.timer, run.random);
        recorded.add(feedNs(run, &recorder, hat));
        const Clock::time_point start = Clock::now();
        ReplayFile::write(path, recorder.replay());
        written.add(nsSince(start) / 1e6);
    }
    // The run itself, as the finish would have written it.
    ReplayFile::write(path, run);
    const double frames = static_cast<double>(run.samples.size());
    std::fprintf(out, "level map%d %s frames %zu reads %zu events %zu finished %d file_bytes %zu\n", options.level,
                 options.hardMode ? "hard" : "easy", run.samples.size(), run.clockReads.size(), run.events.size(),
                 flown.finished ? 1 : 0, ReplayFile::encode(run).size());
    std::fprintf(out, "record_ns_per_frame %.1f\n", (recorded.median() - bare.median()) / frames);
    std::fprintf(out, "record_with_reads_ns_per_frame %.1f\n", recorded.median() / frames);
    std::fprintf(out, "finish_write_ms %.2f\n", written.median());

    const Check own = timeCheck(engine, path, options.level, options.hardMode, options.repeats);
    std::fprintf(out, "check map%d ms %.2f play_s %.1f ms_per_60s %.2f matched %d\n", options.level, own.ms,
                 own.playedMs / 1000.0, own.msPer60s(), own.matched ? 1 : 0);
    // The slowest check of a demo, and the longest demo's.
    Check slowest{0.0, 0, true};
    Check longest{0.0, 0, true};
    bool allMatched = true;
    for (int level = 0; level < 18; ++level) {
        for (const bool hardMode : {false, true}) {
            const Check demo = timeCheck(engine, ReplayFile::demoPath(level, hardMode), level, hardMode, 5);
            slowest = demo.ms > slowest.ms ? demo : slowest;
            longest = demo.playedMs > longest.playedMs ? demo : longest;
            allMatched = allMatched && demo.matched;
        }
    }
    std::fprintf(out, "check slowest_demo ms %.2f play_s %.1f\n", slowest.ms, slowest.playedMs / 1000.0);
    std::fprintf(out, "check longest_demo ms %.2f play_s %.1f ms_per_60s %.2f all_matched %d\n", longest.ms,
                 longest.playedMs / 1000.0, longest.msPer60s(), allMatched ? 1 : 0);
    engine.cleanup();
    TickSource::install(nullptr);
    return 0;
}
