// The window, the fixed OpenGL state, and the 800x600 top-left based overlay that all 2D drawing uses.
#pragma once

#include <SDL.h>
#include <cstdint>

extern int screenWidth;
extern int screenHeight;

// The SDL mode flags for a window: OpenGL, plus fullscreen when asked.
std::uint32_t videoModeFlags(bool fullscreen);

// The whole video start in one: startSdl, SDL_Quit registered to run at exit, then openWindow.
SDL_Surface* initVideo(const char* title, int width, int height, int bitsPerPixel, bool fullscreen);
// Its parts, for a caller that registers what runs at exit only once: SDL_Init (or the fatal
// failure), and the window with its icon.
void startSdl();
SDL_Surface* openWindow(const char* title, int width, int height, int bitsPerPixel, bool fullscreen);
SDL_Surface* setVideoMode(const char* title, int width, int height, int bitsPerPixel, bool fullscreen);
void initGL(int width, int height);

void clearFrame();
void beginOverlay();
void endOverlay();
