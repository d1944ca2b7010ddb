// One level played by the game's own level stepper at exact 16 ms frames: the engine's services,
// the level loaded from a map file with the hat on its start point, and the one clock the run owns.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "map_data.hpp"

class Hat;
class LevelStepper;
class World;

class LevelRun {
public:
    // Objects compare their start of 0 with now: a level begins well after the clock's zero, as
    // it does in the game after the menu.
    static constexpr std::uint32_t defaultClockMs = 60000;

    struct Start {
        std::uint32_t clockMs = defaultClockMs;
        // Random draws made before the level starts, as other code would have made them.
        int randDraws = 0;
    };

    // A windowed run draws each frame with the game's drawing; a headless one draws nothing.
    LevelRun(const std::string& mapPath, bool hardMode, Start start, bool windowed);
    ~LevelRun();
    LevelRun(const LevelRun&) = delete;
    LevelRun& operator=(const LevelRun&) = delete;

    // One frame with these keys held (HeldKeys bits).
    void step(std::uint8_t keys);
    // A windowed run saves the picture of the next frame it draws here, as a BMP file.
    std::string nextScreenshot;

    bool finished() const;
    bool burst() const;

    ManualClock clock;
    GameEngine engine;
    // The level as the game steps it; its world and hat.
    std::unique_ptr<LevelStepper> level;
    World* world = nullptr;
    Hat* hat = nullptr;
    int frames = 0;
    // The least room the gas meter had left (capacity - pressure) and how often it shrank.
    std::int32_t lowestMargin = 0;
    int hardBumps = 0;
    // Object kinds that came into view.
    std::bitset<objectKindCount> met;

private:
    void noteSeen();
    void draw();
    bool saveScreenshot(const std::string& path) const;
    bool windowed;
};
