// fezzle-demorec: records the shipped demo runs. Each level's stored tracks are flown through the
// game's action state from the level checker's own start (the clock at 60 s, a fresh frame timer,
// the generator unseeded), as the checker flies them; each run is written as a replay and played
// back once before it counts.
//   fezzle-demorec TRACKS_DIR OUT_DIR     (run where ./data/maps holds the built maps)
// The exit status is 1 when a track does not finish or its run does not play back.
#include <cstdio>
#include <string>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "input_track.hpp"
#include "level_error.hpp"
#include "level_run.hpp"
#include "quiet_log.hpp"
#include "replays/replay_file.hpp"
#include "states/track_flight.hpp"

namespace {

constexpr int levelCount = 18;
// A record no run beats, so that flying submits nothing and writes no save file.
constexpr std::int32_t unbeatable = 1;

bool record(const std::string& tracks, const std::string& out, int level, bool hardMode, std::FILE* report)
{
    char name[32];
    std::snprintf(name, sizeof name, "map%02d-%s", level, hardMode ? "hard" : "easy");
    TrackFlight::Plan plan;
    plan.level = level;
    plan.hardMode = hardMode;
    plan.keys = InputTrack::load(tracks + "/" + name + ".track").frames;

    ManualClock clock(LevelRun::defaultClockMs);
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    engine.saveData->records.fill(unbeatable);
    GameRandom::shared().setState(GameRandom().state());
    TrackFlight::End flown;
    const Replay run = TrackFlight::fly(engine, clock, plan, flown);
    const TrackFlight::End played = TrackFlight::play(engine, run);
    engine.cleanup();
    TickSource::install(nullptr);

    char path[256];
    std::snprintf(path, sizeof path, "%s/map%d-%s.rpl", out.c_str(), level, hardMode ? "hard" : "easy");
    if (!flown.finished || !played.matched || played.levelTime != flown.levelTime) {
        std::fprintf(report, "%s: the run %s\n", name, flown.finished ? "does not play back" : "does not finish");
        return false;
    }
    if (!ReplayFile::write(path, run)) {
        std::fprintf(report, "%s: cannot write %s\n", name, path);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: fezzle-demorec TRACKS_DIR OUT_DIR\n");
        return 2;
    }
    std::FILE* report = divertGameLog("demorec-log.txt");
    bool ok = true;
    try {
        for (int level = 0; level < levelCount; ++level) {
            for (const bool hardMode : {false, true}) ok = record(argv[1], argv[2], level, hardMode, report) && ok;
        }
    } catch (const LevelError& error) {
        std::fprintf(report, "%s\n", error.what());
        return 1;
    }
    return ok ? 0 : 1;
}
