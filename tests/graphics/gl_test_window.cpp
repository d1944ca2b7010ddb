#include "graphics/gl_test_window.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdint>
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

}  // namespace

GlTestWindow::GlTestWindow()
{
    logOf([] { initVideo("Fezzle Flyer Deluxe", windowWidth, windowHeight, 32, false); });  // it logs the missing icon
    initGL(windowWidth, windowHeight);
    clearFrame();
}

GlTestWindow::~GlTestWindow() { SDL_Quit(); }

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

bool lit(int x, int y) { return pixelAt(x, y) != Rgb{0, 0, 0}; }

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
