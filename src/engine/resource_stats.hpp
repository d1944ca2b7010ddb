// A test hook: with FEZZLE_STATS_FILE set in the environment, every engine init appends one line
// "textures <n> lists <m> pads <k>" to that file, counting what OpenGL itself holds as live and the
// pads the game holds open. The log stays as it is; end-to-end tests read the file to see that a
// fullscreen switch neither leaks nor loses anything.
#pragma once

#include "graphics/texture_set.hpp"

void writeResourceStats(const TextureSet& set, int openPads);
