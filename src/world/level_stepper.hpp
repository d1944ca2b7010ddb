// A level in play, stepped one frame at a time: its world loaded from the map file with the hat on
// the start point, the world's walk unless paused, the camera, and the rules that test what is in
// view. The action state plays its levels through it, and the level checker its tracks. Whoever
// drives it ticks the frame timer before each step. It never touches the save file or the music.
#pragma once

#include <memory>
#include <string>

#include "engine/frame_timer.hpp"
#include "engine/game_random.hpp"

class GameEngine;
class Hat;
class World;

class LevelStepper {
public:
    // Everything a run starts from, given rather than read from the engine or the player's save
    // data, so that a run can be started again exactly as it was.
    struct Start {
        std::string mapPath;
        bool hardMode = false;
        bool effectsOff = false;
        bool paused = false;
        // The frame timer's state before the first frame.
        FrameTimer::State timer;
        // The game's random generator at the start.
        GameRandom::State random;
    };

    // Sets the timer, the generator and the effects switch from `start`, then loads the level.
    LevelStepper(GameEngine* engine, const Start& start);
    ~LevelStepper();
    LevelStepper(const LevelStepper&) = delete;
    LevelStepper& operator=(const LevelStepper&) = delete;

    // One frame, after the timer's tick: the world's walk and the view pass run only while not
    // paused; the camera follows the hat either way.
    void step();

    // The camera: a screen-sized view centred on the hat, kept inside the level.
    void follow() const;

    // False while paused: the world stands still and only its layers are drawn.
    bool active = true;
    std::unique_ptr<World> world;
    // Owned by the world.
    Hat* hat = nullptr;

private:
    GameEngine* engine;
};
