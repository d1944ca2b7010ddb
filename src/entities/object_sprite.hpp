// How level objects show themselves: one tinted sprite, drawn with the colour set back to white
// afterwards, and the sheets they use.
#pragma once

#include <cstdint>

#include "entities/effect.hpp"
#include "graphics/rect.hpp"

// The tint of a sprite; its alpha fades the picture.
struct Tint {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
};

// One draw of an object: sheet, cell (a negative width mirrors), place on screen, turn and size.
struct ObjectSprite {
    std::uint32_t texture = 0;
    Rect source = wholeSheet;
    Rect destination{};
    float angleDegrees = 0.0f;
    float scale = 1.0f;
    Tint tint{};
};

void drawObjectSprite(const ObjectSprite& sprite);
