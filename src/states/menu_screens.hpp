// How the menu looks: the particles, the title, the six screens, the frame-rate counter and the two
// drifting credit lines. Reads the menu and the engine, changes neither.
#pragma once

#include <cstdint>

class GameEngine;
class MenuState;

void drawMenu(const MenuState& menu, GameEngine& engine);

// Alpha of credit line 0 or 1 at a frame count: each fades in and out once, early in a run.
float creditLineAlpha(int line, std::uint32_t frame);
