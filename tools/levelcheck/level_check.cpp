#include "level_check.hpp"

#include <cstdio>

#include "entities/hat.hpp"

CheckResult LevelCheck::replay(const std::string& mapPath, bool hardMode, const InputTrack& track,
                               LevelRun::Start start, const std::string& shotPrefix)
{
    LevelRun run(mapPath, hardMode, start, !shotPrefix.empty());
    const int lastFrame = static_cast<int>(track.frames.size()) + graceFrames;
    int shots = 0;
    while (!run.finished() && !run.burst() && run.frames < lastFrame) {
        run.step(track.at(static_cast<std::size_t>(run.frames)));
        if (!shotPrefix.empty() && run.frames % shotEveryFrames == 0) {
            char name[32];
            std::snprintf(name, sizeof name, "-%03d.bmp", ++shots);
            run.saveScreenshot(shotPrefix + name);
        }
    }
    if (!shotPrefix.empty()) {
        run.saveScreenshot(shotPrefix + "-end.bmp");
    }
    CheckResult result;
    result.finished = run.finished();
    result.levelTimeMs = run.hat->levelTime;
    result.lowestMargin = run.lowestMargin;
    result.hardBumps = run.hardBumps;
    for (std::size_t kind = 0; kind < run.met.size(); ++kind) {
        if (run.met.test(kind)) {
            result.met += objectKinds[kind].letter;
        }
    }
    return result;
}
