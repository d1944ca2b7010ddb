#include "graphics/gl_test_window.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
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
