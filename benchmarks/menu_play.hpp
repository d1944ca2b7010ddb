// The menu's main screen as the game shows it after start, without a window: headless services,
// a fresh menu current, exact 16 ms frames of a clock the play owns.
#pragma once

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"

class MenuPlay {
public:
    MenuPlay();
    ~MenuPlay();
    MenuPlay(const MenuPlay&) = delete;
    MenuPlay& operator=(const MenuPlay&) = delete;

    // The frame timer's tick, the menu's update and its drawing.
    void wholeFrame();

    ManualClock clock;
    GameEngine engine;
};
