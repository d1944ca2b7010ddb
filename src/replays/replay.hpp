// One run of a level as the simulation read it, so that stepping the same level code again over the
// same reads reproduces it frame for frame: the clock's every value, the frame timer and the random
// generator at the start, the inputs with their frames, and what the hat did in each frame.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/frame_timer.hpp"
#include "engine/game_random.hpp"
#include "engine/input_path.hpp"

// Where the hat was at the end of one frame; the ghost of a run is drawn from these.
struct ReplaySample {
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    std::int32_t levelTime = 0;

    // Bit for bit: a replay either plays back exactly or not at all.
    bool operator==(const ReplaySample& other) const;
    bool operator!=(const ReplaySample& other) const { return !(*this == other); }
};

// An input the level reacted to, taken after `frame` frames had been stepped.
struct ReplayEvent {
    std::uint32_t frame = 0;
    Input::Kind kind = Input::Kind::KeyDown;
    InputAction action = InputAction::None;
};

// What a list of replays needs, read without the frames.
struct ReplayHeader {
    int level = 0;
    bool hardMode = false;
    // Of the map file the run was made on.
    std::uint32_t levelChecksum = 0;
    // The hat's level time at the last frame.
    std::int32_t finishTime = 0;
    std::uint32_t frameCount = 0;
};

struct Replay {
    ReplayHeader header;
    bool effectsOff = false;
    FrameTimer::State timer;
    GameRandom::State random;
    // Every value the clock returned, from the level's construction on, in order.
    std::vector<std::uint32_t> clockReads;
    // In frame order.
    std::vector<ReplayEvent> events;
    // One per frame: samples.size() is the header's frame count.
    std::vector<ReplaySample> samples;
};
