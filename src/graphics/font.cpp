#include "graphics/font.hpp"

#include <GL/gl.h>
#include <cstddef>
#include <cstring>

namespace {

constexpr int sheetColumns = 16;
constexpr float cell = 1.0f / sheetColumns;
constexpr int glyphSize = 16;
constexpr double advance = 10.0;
constexpr int firstPrintable = 32;
constexpr int setStride = 128;
constexpr double textWidth = 800.0;
constexpr double textHeight = 600.0;

// Only a set above 1 counts as 0. A negative set moves every printable byte below the font's
// first glyph, so such text draws nothing.
int chosenSet(int glyphSet)
{
    return glyphSet > 1 ? 0 : glyphSet;
}

bool hasGlyph(unsigned char byte, int glyphSet)
{
    const int glyph = static_cast<int>(byte) - firstPrintable + setStride * glyphSet;
    return glyph >= 0 && glyph < fontGlyphCount;
}

void callRun(const unsigned char* bytes, std::size_t count)
{
    if (count > 0) {
        glCallLists(static_cast<GLsizei>(count), GL_UNSIGNED_BYTE, bytes);
    }
}

// Names outside the font's 256 lists may belong to something else, so a byte without a glyph
// is never handed to GL: the runs around it are called, and the pen steps over it.
void callGlyphs(const char* text, int glyphSet)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::size_t runStart = 0;
    std::size_t i = 0;
    for (; bytes[i] != 0; ++i) {
        if (!hasGlyph(bytes[i], glyphSet)) {
            callRun(bytes + runStart, i - runStart);
            glTranslated(advance, 0.0, 0.0);
            runStart = i + 1;
        }
    }
    callRun(bytes + runStart, i - runStart);
}

}  // namespace

void buildFont(TextureSet& set)
{
    set.fontBase = glGenLists(fontGlyphCount);
    glBindTexture(GL_TEXTURE_2D, set.font);
    for (int g = 0; g < fontGlyphCount; ++g) {
        // Rows are counted from the last stored row of the sheet, which is t = 1.
        const float sx = static_cast<float>(g % sheetColumns) * cell;
        const float cy = static_cast<float>(g / sheetColumns) * cell;
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
    glOrtho(0.0, textWidth, 0.0, textHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, textHeight - y, 0.0);
    glScalef(scale, scale, scale);
    glRotatef(angle, 0.0f, 0.0f, 1.0f);

    const int chosen = chosenSet(glyphSet);
    // Without a built font every name would be someone else's list.
    if (set.fontBase != 0 && text != nullptr) {
        glListBase(set.fontBase - firstPrintable + static_cast<GLuint>(setStride * chosen));
        callGlyphs(text, chosen);
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

float textAdvance(const char* text, float scale)
{
    return static_cast<float>(std::strlen(text) * advance) * scale;
}

int centredTextX(const char* text, float scale)
{
    return static_cast<int>((textWidth - static_cast<double>(textAdvance(text, scale))) / 2.0);
}
