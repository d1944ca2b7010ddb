// The one sprite call, and the test of a level rectangle against the part of the level on screen.
#pragma once

#include <cstdint>

#include "graphics/rect.hpp"

// The level point shown at the screen's top-left corner, and the size shown.
extern Rect viewRect;

// Sheets are addressed as 512x512 whatever their pixel size: this source is the whole of one.
constexpr Rect wholeSheet{0, 0, 512, 512};

// A negative source width mirrors.
bool drawSprite(Rect destination, std::uint32_t texture, Rect source, float angleDegrees, float scale);

// Only the four corners are tested, edges inclusive.
bool isOnScreen(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
