// OpenGL calls that do nothing but count: linked into the frame-cost programs in place of the
// driver, so that a frame's time is the game's own work of issuing them, none of the rasteriser's.
#pragma once

#include <cstdint>

// Calls made through the stub since the program started.
std::uint64_t stubGlCalls();
