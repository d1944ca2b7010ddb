// The arithmetic of the level's layer draws, kept apart from the GL calls so it can be checked.
#pragma once

#include <array>
#include <cstdint>

#include "graphics/rect.hpp"

// The screen position of the level's top-left corner when it is in view (else one unit off
// screen), and how far the level reaches across the screen: the background's destination and
// the corners of the level frame.
struct LevelFrame {
    std::int32_t ox = 0;
    std::int32_t oy = 0;
    std::int32_t w = 0;
    std::int32_t h = 0;
};

struct Tint {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

struct BackgroundLook {
    Tint tint;
    std::int32_t picture = 0;  // element of the jee family
};

struct ScreenPoint {
    float x = 0.0f;
    float y = 0.0f;
};

using Quad = std::array<ScreenPoint, 4>;

// The parts of the screen that lie outside the level, at most one band per side.
struct OutsideFills {
    std::array<Quad, 4> quads{};
    int count = 0;
};

constexpr int backgroundStyleCount = 5;
constexpr float parallaxFactor = 1.1f;
constexpr float backgroundSourceScale = 1.3f;
constexpr float frameLineWidth = 2.0f;
constexpr Tint outsideFillTint{0.2f, 0.2f, 0.2f};
constexpr std::int32_t outsideFillPicture = 2;  // jee3.png

LevelFrame levelFrame(Rect view, Rect bounds);
Rect backgroundDestination(const LevelFrame& frame);
Rect backgroundSource(Rect view, const LevelFrame& frame);
// Styles outside the table are drawn with style 0's picture and the common grey tint.
BackgroundLook backgroundLook(std::int32_t style);
Rect pieceDestination(Rect area, Rect view);
// Parallax pieces move 1.1 times as fast as the level on screen.
Rect parallaxDestination(Rect area, Rect view);
// The frame line's points, in drawing order.
std::array<ScreenPoint, 5> framePoints(const LevelFrame& frame);
OutsideFills outsideFills(Rect view, Rect bounds);
