// A level flown through the action state as the main loop flies it, without a window: each frame
// the clock moves on by a given frame length, the timer ticks, the state updates, and then the keys
// that changed are taken as the event handling would take them. The run is recorded as every live
// run is. Also plays a recorded run back through the action state at once, to check it. Used by the
// build's demo recorder, the tests and the benchmarks.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/game_random.hpp"
#include "replays/replay.hpp"

class GameEngine;
class ManualClock;

class TrackFlight {
public:
    // Keys held in a frame, as bits.
    static constexpr std::uint8_t left = 1;
    static constexpr std::uint8_t right = 2;
    static constexpr std::uint8_t thrust = 4;

    struct Plan {
        int level = 0;
        bool hardMode = false;
        // The keys of each frame; none after the last.
        std::vector<std::uint8_t> keys;
        // Frame lengths in ms, used in turn.
        std::vector<std::uint32_t> frameMs{16};
        // Frames flown past the last keys before giving up on a finish.
        std::uint32_t overrun = 600;
    };

    // How a run ended, flown or played back.
    struct End {
        bool finished = false;
        bool burst = false;
        std::int32_t levelTime = 0;
        std::uint32_t frames = 0;
        GameRandom::State random;
        // Played back: every frame as recorded.
        bool matched = true;
    };

    // The engine is started headless and `clock` installed as its tick source. The record the run
    // may set is submitted as in play (the save data decides whether it is one).
    static Replay fly(GameEngine& engine, ManualClock& clock, const Plan& plan, End& end);
    static End play(GameEngine& engine, const Replay& run);
};
