// Constants shared by the whole game: 2 pi, the level names, the level piece sizes, the title area.
#pragma once

#include <array>

#include "graphics/rect.hpp"

constexpr float TWO_PI = 2.0f * 3.1415927f;

constexpr int levelNameCount = 20;
constexpr int foregroundPictureCount = 12;
constexpr int parallaxPictureCount = 5;
constexpr int collisionPictureCount = 50;

// Padded to 20 characters so that text printed after a name lines up.
extern const std::array<const char*, levelNameCount> levelNames;

// Sizes of the level pieces by picture number - 1; x and y are 0 and replaced by the piece's cell.
extern const std::array<Rect, foregroundPictureCount> foregroundRects;
extern const std::array<Rect, parallaxPictureCount> parallaxRects;
extern const std::array<Rect, collisionPictureCount> collisionRects;

// Where the settings and quit pages put their title picture.
constexpr Rect logoRect{144, 135, 512, 64};
