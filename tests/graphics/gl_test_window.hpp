// A real game window for tests that draw and read back pixels, and sheets whose colours tell where
// each pixel came from.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace testing_support {

using Rgb = std::array<int, 3>;

// Opens the 800x600 window with the game's OpenGL state in a fresh working folder.
class GlTestWindow {
public:
    GlTestWindow();
    ~GlTestWindow();

private:
    TempDir dir;
};

// A fresh black frame with `draw` run in the overlay, ready to be read back.
void drawFrame(const std::function<void()>& draw);

// The pixel at (x, y) of the frame being drawn, y counted from the top as in the overlay.
Rgb pixelAt(int x, int y);
bool lit(int x, int y);
// The pixel at (x, y) as the window shows it now, after the last buffer swap.
Rgb shownPixelAt(int x, int y);

// What a frame drew, as OpenGL's feedback mode reports it instead of drawing it: every triangle's
// corners (top-left based screen units, texture coordinates) and colour.
struct DrawnCorner {
    float x, y, s, t;
};
struct DrawnTriangle {
    std::array<DrawnCorner, 3> corners;
    std::array<float, 4> colour;
};
std::vector<DrawnTriangle> trianglesDrawnBy(const std::function<void()>& draw);

// The lines of text among them: each is a run of glyph quads (cells of the font's 16 x 16 sheet),
// one glyph after the other by the pen's advance.
struct DrawnText {
    std::string text;
    int x, y;  // the first glyph's lower-left corner
    float scale;
    float angleDegrees;
    int glyphSet;
    std::array<float, 4> colour;
};
std::vector<DrawnText> textsIn(const std::vector<DrawnTriangle>& drawn);
// One line as "text" at x,y, scale, angle, set, colour: compact to compare and to read in a failure.
std::string describe(const DrawnText& text);
std::vector<std::string> describe(const std::vector<DrawnText>& texts);
std::vector<DrawnText> textsDrawnBy(const std::function<void()>& draw);

// An RGB texture sampled without filtering, so each texel shows as it was given: (x, y) from the first row.
std::uint32_t plainTexture(int width, int height, const std::function<Rgb(int, int)>& colourAt);

// An RGB PNG whose pixel (x, y), y from the top row, has the colour given.
void writeSheet(const std::string& path, int width, int height, const std::function<Rgb(int, int)>& colourAt);

}  // namespace testing_support
