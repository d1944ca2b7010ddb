// Plays a replay back through the level code: while a Scope stands, the engine's frame timer is the
// playback's own (seeded as the run's was) and the clock hands out the run's reads again; the
// inputs come back at their frames, and each stepped frame is checked against its sample.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "replays/playback_clock.hpp"
#include "replays/replay.hpp"
#include "world/level_stepper.hpp"

class GameEngine;
class Hat;

class ReplayPlayback {
public:
    // `source` names the file the run came from, for the log.
    ReplayPlayback(Replay run, std::string source);
    ReplayPlayback(const ReplayPlayback&) = delete;
    ReplayPlayback& operator=(const ReplayPlayback&) = delete;

    // What the level is built from: the run's level, mode, effects switch, timer and generator.
    LevelStepper::Start start() const;

    class Scope {
    public:
        Scope(ReplayPlayback& playback, GameEngine& engine);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ReplayPlayback& playback;
        GameEngine& engine;
        TickSource& previous;
    };

    // The inputs taken after `frames` stepped frames, in order; each is handed out once.
    std::vector<Input> inputsDue();
    // After a frame was stepped: false when it left the recording (the run no longer plays back).
    bool check(const Hat& hat);
    bool atEnd() const { return frame >= run.samples.size(); }

    const Replay& replay() const { return run; }
    const std::string& path() const { return source; }
    // Frames stepped so far.
    std::uint32_t frame = 0;

private:
    Replay run;
    std::string source;
    PlaybackClock clock;
    std::unique_ptr<FrameTimer> timer;
    std::size_t nextEvent = 0;
};
