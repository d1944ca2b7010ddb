// The frame-rate counter at the top right, shown when the player switched it on.
#pragma once

class GameEngine;

// In the colour in force; nothing when the counter is off.
void drawFpsCounter(const GameEngine& engine);
