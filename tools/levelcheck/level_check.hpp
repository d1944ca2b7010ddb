// Replays a stored input track on a built level and says how the run went, for the checker's lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "input_track.hpp"
#include "level_run.hpp"

struct CheckResult {
    bool finished = false;
    bool burst = false;
    std::int32_t levelTimeMs = 0;
    std::int32_t lowestMargin = 0;
    int hardBumps = 0;
    // Where the hat's centre was at the end.
    float endX = 0.0f;
    float endY = 0.0f;
    std::string met;  // legend letters of the object kinds that came into view
};

class LevelCheck {
public:
    // Frames played after the track ends, keys released, before the run counts as failed.
    static constexpr int graceFrames = 120;
    // A windowed run saves a screenshot every this many frames (3 s), numbered, under `shotPrefix`.
    static constexpr int shotEveryFrames = 188;

    static CheckResult replay(const std::string& mapPath, bool hardMode, const InputTrack& track, LevelRun::Start start,
                              const std::string& shotPrefix = "");

    // Chooses the keys of the run's next frame, or says false to stop the run there.
    using Pilot = std::function<bool(const LevelRun& run, std::uint8_t& keys)>;
    // Plays a run until it finishes, bursts or the pilot stops.
    static CheckResult play(const std::string& mapPath, bool hardMode, LevelRun::Start start, const Pilot& pilot,
                            const std::string& shotPrefix = "");
};
