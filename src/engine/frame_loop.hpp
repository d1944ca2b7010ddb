// One pass of the main loop, shared by the game and the programs that measure it.
#pragma once

class GameEngine;

// Clears, updates, draws, handles the events and shows the frame. A key pressed acts in the next
// frame's update, as events are read after drawing.
void runFrame(GameEngine& engine);
