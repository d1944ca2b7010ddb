#include "graphics/video.hpp"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL_image.h>
#include <cstdio>
#include <cstdlib>

#include "engine/game_paths.hpp"

int screenWidth = 800;
int screenHeight = 600;

namespace {

constexpr double overlayWidth = 800.0;
constexpr double overlayHeight = 600.0;

// The three failures the game cannot run without: reported on standard error, exit status 1.
[[noreturn]] void fatal(const char* what)
{
    std::fprintf(stderr, "%s: %s\n", what, SDL_GetError());
    std::exit(1);
}

}  // namespace

std::uint32_t videoModeFlags(bool fullscreen)
{
    return fullscreen ? (SDL_OPENGL | SDL_FULLSCREEN) : SDL_OPENGL;
}

SDL_Surface* initVideo(const char* title, int width, int height, int bitsPerPixel, bool fullscreen)
{
    startSdl();
    std::atexit(SDL_Quit);
    return openWindow(title, width, height, bitsPerPixel, fullscreen);
}

void startSdl()
{
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        fatal("Couldn't initialize SDL");
    }
}

SDL_Surface* openWindow(const char* title, int width, int height, int bitsPerPixel, bool fullscreen)
{
    // SDL 1.2 takes the icon only before the video mode is set.
    SDL_Surface* icon = IMG_Load(GamePaths::icon);
    if (icon != nullptr) {
        SDL_WM_SetIcon(icon, nullptr);
    } else {
        std::printf("  Failed to load icon.png\n");
    }
    SDL_FreeSurface(icon);

    return setVideoMode(title, width, height, bitsPerPixel, fullscreen);
}

SDL_Surface* setVideoMode(const char* title, int width, int height, int /*bitsPerPixel*/, bool fullscreen)
{
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info == nullptr) {
        fatal("Couldn't get video information");
    }
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_WM_SetCaption(title, "icon");

    // The desktop's own depth, not the one asked for.
    SDL_Surface* surface = SDL_SetVideoMode(width, height, info->vfmt->BitsPerPixel, videoModeFlags(fullscreen));
    if (surface == nullptr) {
        fatal("Couldn't set video mode");
    }
    return surface;
}

void initGL(int width, int height)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(width) / static_cast<double>(height), 10.0, 1500.0);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glDepthFunc(GL_ALWAYS);
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_POINT_SMOOTH);
}

void clearFrame()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void beginOverlay()
{
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, overlayWidth, overlayHeight, 0.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void endOverlay()
{
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}
