// Records a level run as it is played: its clock is put over the game's from before the level is
// built, and the action state hands it each input it reacts to and each frame's hat.
#pragma once

#include <cstdint>

#include "replays/recording_clock.hpp"
#include "replays/replay.hpp"

class Hat;

// What a frame's sample holds of the hat.
ReplaySample sampleOf(const Hat& hat);

class ReplayRecorder {
public:
    // What the run starts from; the recording clock is current until the recorder is gone.
    ReplayRecorder(const ReplayHeader& level, bool effectsOff, FrameTimer::State timer, GameRandom::State random);
    ~ReplayRecorder();
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    // An input the level reacted to, after the frames stepped so far. The quit event is not one.
    void noteInput(const Input& input);
    // After each step.
    void noteFrame(const Hat& hat);
    // The run is over (finished or burst): nothing more is noted.
    void stop() { clock.recording = false; }
    bool recording() const { return clock.recording; }

    std::uint32_t frames() const { return static_cast<std::uint32_t>(run.samples.size()); }
    // The run so far, its header completed: the last frame's level time and the map's checksum.
    Replay replay() const;

private:
    TickSource& previous;
    RecordingClock clock;
    Replay run;
};
