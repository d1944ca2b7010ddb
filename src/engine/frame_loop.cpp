#include "engine/frame_loop.hpp"

#include <SDL.h>

#include "engine/game_engine.hpp"
#include "graphics/video.hpp"

void runFrame(GameEngine& engine)
{
    clearFrame();
    engine.update();
    engine.draw();
    engine.handleEvents();
    SDL_GL_SwapBuffers();
}
