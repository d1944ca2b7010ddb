#include "graphics/gl_test_window.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "graphics/video.hpp"

namespace testing_support {

namespace {

constexpr int windowWidth = 800;
constexpr int windowHeight = 600;

std::vector<std::uint8_t> rgbRows(int width, int height, const std::function<Rgb(int, int)>& colourAt)
{
    std::vector<std::uint8_t> pixels;
    for (int at = 0; at < width * height; ++at) {
        for (int value : colourAt(at % width, at / width)) pixels.push_back(static_cast<std::uint8_t>(value));
    }
    return pixels;
}

constexpr float glyphCell = 1.0f / 16.0f;
constexpr float glyphUnits = 16.0f;
constexpr float penAdvance = 10.0f;

struct Glyph {
    int number;
    float x, y, scale, angleDegrees;
    std::array<float, 4> colour;
};

enum class GlyphPart { NotAGlyph, UpperHalf, LowerHalf };

// A triangle of a glyph quad spans one cell of the sheet. The quad's first triangle holds its lower
// edge: the corner at the cell's lowest s and t is the glyph's lower-left corner, the one along s
// its lower-right corner.
GlyphPart asGlyph(const DrawnTriangle& triangle, Glyph& glyph)
{
    const auto [sLow, sHigh] = std::minmax({triangle.corners[0].s, triangle.corners[1].s, triangle.corners[2].s});
    const auto [tLow, tHigh] = std::minmax({triangle.corners[0].t, triangle.corners[1].t, triangle.corners[2].t});
    if (std::abs(sHigh - sLow - glyphCell) > 1e-4f || std::abs(tHigh - tLow - glyphCell) > 1e-4f) {
        return GlyphPart::NotAGlyph;
    }
    const DrawnCorner* lowerLeft = nullptr;
    const DrawnCorner* lowerRight = nullptr;
    for (const DrawnCorner& c : triangle.corners) {
        if (c.t == tLow && c.s == sLow) lowerLeft = &c;
        if (c.t == tLow && c.s == sHigh) lowerRight = &c;
    }
    if (lowerLeft == nullptr || lowerRight == nullptr) return GlyphPart::UpperHalf;
    const int column = static_cast<int>(std::lround(sLow / glyphCell));
    const int row = static_cast<int>(std::lround((1.0f - tHigh) / glyphCell));
    const float dx = lowerRight->x - lowerLeft->x;
    const float dy = lowerLeft->y - lowerRight->y;  // up the screen is a positive turn
    glyph = {row * 16 + column,
             lowerLeft->x,
             lowerLeft->y,
             std::hypot(dx, dy) / glyphUnits,
             static_cast<float>(std::atan2(dy, dx) * 180.0 / 3.14159265358979),
             triangle.colour};
    return GlyphPart::LowerHalf;
}

}  // namespace

GlTestWindow::GlTestWindow()
{
    logOf([] { initVideo("Fezzle Flyer Deluxe", windowWidth, windowHeight, 32, false); });  // it logs the missing icon
    initGL(windowWidth, windowHeight);
    clearFrame();
}

GlTestWindow::~GlTestWindow()
{
    SDL_Quit();
}

void drawFrame(const std::function<void()>& draw)
{
    clearFrame();
    beginOverlay();
    draw();
    endOverlay();
}

Rgb pixelAt(int x, int y)
{
    std::array<std::uint8_t, 4> rgba{};
    glReadPixels(x, windowHeight - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return {rgba[0], rgba[1], rgba[2]};
}

bool lit(int x, int y)
{
    return pixelAt(x, y) != Rgb{0, 0, 0};
}

Rgb shownPixelAt(int x, int y)
{
    // The front buffer cannot be read back under Xvfb; the window's own image can.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    XImage* image = nullptr;
    if (SDL_GetWMInfo(&info) == 1) {
        info.info.x11.lock_func();
        image = XGetImage(info.info.x11.display, info.info.x11.window, x, y, 1, 1, AllPlanes, ZPixmap);
        info.info.x11.unlock_func();
    }
    if (image == nullptr) {
        ADD_FAILURE() << "cannot read the window";
        return {};
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const auto channel = [pixel](unsigned long mask) { return int((pixel & mask) >> __builtin_ctzl(mask)); };
    const Rgb colour{channel(image->red_mask), channel(image->green_mask), channel(image->blue_mask)};
    XDestroyImage(image);
    return colour;
}

std::vector<DrawnTriangle> trianglesDrawnBy(const std::function<void()>& draw)
{
    // Per corner: window x, y, z, the colour's four channels, the texture's four coordinates.
    constexpr std::size_t cornerFloats = 11;
    std::vector<GLfloat> feedback(std::size_t{1} << 20);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D_COLOR_TEXTURE, feedback.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "the feedback buffer overflowed";
    std::vector<DrawnTriangle> triangles;
    for (GLint at = 0; at < used;) {
        const auto token = static_cast<GLenum>(feedback[static_cast<std::size_t>(at++)]);
        if (token != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "only polygons are drawn, not token " << token;
            break;
        }
        const auto count = static_cast<std::size_t>(feedback[static_cast<std::size_t>(at++)]);
        const GLfloat* corner = &feedback[static_cast<std::size_t>(at)];
        for (std::size_t fan = 2; fan < count; ++fan) {
            DrawnTriangle triangle{};
            const std::size_t picked[] = {0, fan - 1, fan};
            for (std::size_t i = 0; i < 3; ++i) {
                const GLfloat* c = corner + picked[i] * cornerFloats;
                triangle.corners[i] = {c[0], static_cast<float>(windowHeight) - c[1], c[7], c[8]};
            }
            std::copy(corner + 3, corner + 7, triangle.colour.begin());
            triangles.push_back(triangle);
        }
        at += static_cast<GLint>(count * cornerFloats);
    }
    return triangles;
}

std::vector<DrawnText> textsIn(const std::vector<DrawnTriangle>& drawn)
{
    std::vector<DrawnText> texts;
    Glyph last{-1, 0, 0, 0, 0, {}};
    for (const DrawnTriangle& triangle : drawn) {
        Glyph glyph{};
        const GlyphPart part = asGlyph(triangle, glyph);
        if (part == GlyphPart::NotAGlyph) last.number = -1;
        if (part != GlyphPart::LowerHalf) continue;
        const bool follows = last.number >= 0 && glyph.colour == last.colour &&
                             std::abs(std::hypot(glyph.x - last.x, glyph.y - last.y) - penAdvance * last.scale) < 0.5f;
        const int glyphSet = glyph.number >= 128 ? 1 : 0;
        if (!follows) {
            texts.push_back({"", static_cast<int>(std::lround(glyph.x)), static_cast<int>(std::lround(glyph.y)),
                             glyph.scale, glyph.angleDegrees, glyphSet, glyph.colour});
        }
        texts.back().text += static_cast<char>(glyph.number + 32 - 128 * glyphSet);
        last = glyph;
    }
    return texts;
}

std::string describe(const DrawnText& text)
{
    char line[512];
    std::snprintf(line, sizeof line, "\"%s\" at %d,%d scale %.2f angle %.1f set %d colour %.2f %.2f %.2f %.2f",
                  text.text.c_str(), text.x, text.y, static_cast<double>(text.scale),
                  static_cast<double>(text.angleDegrees), text.glyphSet, static_cast<double>(text.colour[0]),
                  static_cast<double>(text.colour[1]), static_cast<double>(text.colour[2]),
                  static_cast<double>(text.colour[3]));
    return line;
}

std::vector<std::string> describe(const std::vector<DrawnText>& texts)
{
    std::vector<std::string> lines;
    for (const DrawnText& text : texts) lines.push_back(describe(text));
    return lines;
}

std::vector<DrawnText> textsDrawnBy(const std::function<void()>& draw)
{
    return textsIn(trianglesDrawnBy(draw));
}

std::uint32_t plainTexture(int width, int height, const std::function<Rgb(int, int)>& colourAt)
{
    const std::vector<std::uint8_t> pixels = rgbRows(width, height, colourAt);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return name;
}

void writeSheet(const std::string& path, int width, int height, const std::function<Rgb(int, int)>& colourAt)
{
    writePng(path, width, height, 3, rgbRows(width, height, colourAt));
}

}  // namespace testing_support
