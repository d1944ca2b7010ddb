#include "graphics/font.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cstring>

namespace {

constexpr float cell = 0.0625f;  // 1/16 of the sheet
constexpr int glyphSize = 16;
constexpr double advance = 10.0;
constexpr int firstPrintable = 32;
constexpr int setStride = 128;
constexpr std::size_t chunkSize = 256;

int glyphOf(unsigned char byte, int glyphSet)
{
    return static_cast<int>(byte) - firstPrintable + setStride * glyphSet;
}

// Bytes whose glyph lies outside the font would call lists that belong to something else:
// they print as a space, which keeps the pen advancing.
std::size_t copyDrawable(const char* text, std::size_t length, int glyphSet, unsigned char* out)
{
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int glyph = glyphOf(byte, glyphSet);
        out[i] = (glyph >= 0 && glyph < fontGlyphCount) ? byte : static_cast<unsigned char>(' ');
    }
    return length;
}

}  // namespace

void buildFont(TextureSet& set)
{
    set.fontBase = glGenLists(fontGlyphCount);
    glBindTexture(GL_TEXTURE_2D, set.font);
    for (int g = 0; g < fontGlyphCount; ++g) {
        const float sx = static_cast<float>(g % 16) * cell;
        const float cy = static_cast<float>(g / 16) * cell;
        glNewList(set.fontBase + static_cast<GLuint>(g), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(sx, 1.0f - cy - cell);
        glVertex2i(0, 0);
        glTexCoord2f(sx + cell, 1.0f - cy - cell);
        glVertex2i(glyphSize, 0);
        glTexCoord2f(sx + cell, 1.0f - cy);
        glVertex2i(glyphSize, glyphSize);
        glTexCoord2f(sx, 1.0f - cy);
        glVertex2i(0, glyphSize);
        glEnd();
        glTranslated(advance, 0.0, 0.0);
        glEndList();
    }
}

void releaseFont(TextureSet& set)
{
    if (set.fontBase != 0) {
        glDeleteLists(set.fontBase, fontGlyphCount);
    }
    set.fontBase = 0;
}

void printText(const TextureSet& set, int x, int y, const char* text, int glyphSet, float angle, float scale)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, set.font);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 800.0, 0.0, 600.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, 600 - y, 0.0);
    glScalef(scale, scale, scale);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);

    const int chosen = glyphSet > 1 ? 0 : glyphSet;
    glListBase(set.fontBase - firstPrintable + static_cast<GLuint>(setStride * chosen));
    unsigned char drawable[chunkSize];
    const std::size_t length = std::strlen(text);
    for (std::size_t start = 0; start < length; start += chunkSize) {
        const std::size_t count = copyDrawable(text + start, std::min(chunkSize, length - start), chosen, drawable);
        glCallLists(static_cast<GLsizei>(count), GL_UNSIGNED_BYTE, drawable);
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}
