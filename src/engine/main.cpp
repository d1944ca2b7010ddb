// Program entry: the log, the engine, the first menu, the frame loop and the shut-down.
#include <SDL.h>
#include <cstdio>
#include <memory>

#include "engine/game_engine.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "states/menu_state.hpp"

namespace {

void runFrame(GameEngine& engine)
{
    clearFrame();
    engine.update();
    engine.draw();
    engine.handleEvents();
    SDL_GL_SwapBuffers();
}

}  // namespace

int main(int /*argc*/, char* /*argv*/[])
{
    // Unchecked on purpose: without a log file the game still runs.
    (void)std::freopen("gamelog.txt", "w", stdout);
    std::printf("----------------------------\n");
    std::printf("::. Starting game engine .::\n");
    std::printf("----------------------------\n");

    viewRect = Rect{0, 0, 800, 600};
    screenWidth = 800;
    screenHeight = 600;

    auto engine = std::make_unique<GameEngine>();
    engine->init(GameEngine::windowTitle, screenWidth, screenHeight, GameEngine::colourDepth, false);

    auto menu = std::make_unique<MenuState>();
    MenuState* firstMenu = menu.get();
    engine->changeState(std::move(menu));
    firstMenu->setScreen(0);

    while (engine->running) {
        runFrame(*engine);
    }

    engine->cleanup();
    engine = nullptr;

    std::printf("-----------------------------\n");
    std::printf("::. Shutting game engine  .::\n");
    std::printf("-----------------------------\n");
    return 0;
}
