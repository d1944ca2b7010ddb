// The bitmap font: 256 display lists cut from the 16x16 glyph sheet, two sets of 128 glyphs.
#pragma once

#include "graphics/texture_set.hpp"

constexpr int fontGlyphCount = 256;

void buildFont(TextureSet& set);
void releaseFont(TextureSet& set);

// (x, y) is the lower-left corner of the first glyph, in top-left based screen units. A set above 1
// counts as 0; a byte whose glyph falls outside the font (every printable one in a negative set)
// draws nothing but moves the pen.
void printText(const TextureSet& set, int x, int y, const char* text, int glyphSet, float angle, float scale);
// How far the pen moves over the text at the scale: every glyph advances the same.
float textAdvance(const char* text, float scale);
// Where text starts that is centred on the screen's width.
int centredTextX(const char* text, float scale);
