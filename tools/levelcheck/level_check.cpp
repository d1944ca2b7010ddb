#include "level_check.hpp"

#include <cstdio>

#include "entities/hat.hpp"

CheckResult LevelCheck::replay(const std::string& mapPath, bool hardMode, const InputTrack& track,
                               LevelRun::Start start, const std::string& shotPrefix)
{
    const int lastFrame = static_cast<int>(track.frames.size()) + graceFrames;
    return play(
        mapPath, hardMode, start,
        [&](const LevelRun& run, std::uint8_t& keys) {
            keys = track.at(static_cast<std::size_t>(run.frames));
            return run.frames < lastFrame;
        },
        shotPrefix);
}

CheckResult LevelCheck::play(const std::string& mapPath, bool hardMode, LevelRun::Start start, const Pilot& pilot,
                             const std::string& shotPrefix)
{
    LevelRun run(mapPath, hardMode, start, !shotPrefix.empty());
    int shots = 0;
    std::uint8_t keys = 0;
    while (!run.finished() && !run.burst() && pilot(run, keys)) {
        if (!shotPrefix.empty() && (run.frames + 1) % shotEveryFrames == 0) {
            char name[32];
            std::snprintf(name, sizeof name, "-%03d.bmp", ++shots);
            run.nextScreenshot = shotPrefix + name;
        }
        run.step(keys);
    }
    if (!shotPrefix.empty()) {
        // The finish itself, a frame later.
        run.nextScreenshot = shotPrefix + "-end.bmp";
        run.step(0);
    }
    CheckResult result;
    result.finished = run.finished();
    result.burst = run.burst();
    result.levelTimeMs = run.hat->levelTime;
    result.lowestMargin = run.lowestMargin;
    result.hardBumps = run.hardBumps;
    result.endX = run.hat->getCenterX();
    result.endY = run.hat->getCenterY();
    for (std::size_t kind = 0; kind < run.met.size(); ++kind) {
        if (run.met.test(kind)) {
            result.met += objectKinds[kind].letter;
        }
    }
    return result;
}
