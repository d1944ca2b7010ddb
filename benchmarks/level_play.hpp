// One level played as the game plays it, without a window: the engine's services made headless,
// the action state current, the level's stored input track held on the hat's keys frame by frame,
// at exact 16 ms frames of a clock the play owns. What the measurements repeat.
#pragma once

#include <cstdint>
#include <string>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "input_track.hpp"

class ActionState;

class LevelPlay {
public:
    // Objects compare their start of 0 with now: a level begins well after the clock's zero, as it
    // does in the game after the menu.
    static constexpr std::uint32_t startClockMs = 60000;
    // Frames after the track ends, keys released, before the play counts as over.
    static constexpr int graceFrames = 120;

    // The working folder must hold ./data/maps (see BenchDataDir).
    LevelPlay(int level, bool hardMode, const InputTrack& track);
    ~LevelPlay();
    LevelPlay(const LevelPlay&) = delete;
    LevelPlay& operator=(const LevelPlay&) = delete;

    // The hat reached the toilet or burst, or the track and its grace ran out.
    bool over() const;
    bool reachedToilet() const;
    // The frame timer's tick and the action state's update: the world walk, the effects, the camera
    // and the rules that test what is on screen.
    void updateFrame();
    // The same, then the frame's drawing.
    void wholeFrame();
    ManualClock clock;
    GameEngine engine;
    int frames = 0;
    // The most entities the world held after a frame's update.
    std::size_t mostEntities = 0;

private:
    void holdKeys();

    const InputTrack& track;
    ActionState* action = nullptr;  // owned by the engine
};

// The stored track of a level and mode, from the repository's levels/tracks.
InputTrack storedTrack(int level, bool hardMode);
