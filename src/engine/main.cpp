// Program entry: the log, the engine, the first menu, the frame loop and the shut-down.
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "engine/frame_loop.hpp"
#include "engine/game_engine.hpp"
#include "engine/game_paths.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "states/menu_state.hpp"

namespace {

// Measuring aid, off unless set: FEZZLE_EXIT_AFTER_FRAMES=N ends the process right after the Nth
// frame is shown, skipping the shut-down, so that start-up can be timed and memory read from outside.
int framesBeforeExit()
{
    const char* value = std::getenv("FEZZLE_EXIT_AFTER_FRAMES");
    return value != nullptr ? std::atoi(value) : 0;
}

}  // namespace

int main(int /*argc*/, char* /*argv*/[])
{
    // Unchecked on purpose: without a log file the game still runs.
    [[maybe_unused]] std::FILE* const log = std::freopen(GamePaths::log, "w", stdout);
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

    const int exitAfterFrames = framesBeforeExit();
    int framesShown = 0;
    while (engine->running) {
        runFrame(*engine);
        if (exitAfterFrames > 0 && ++framesShown >= exitAfterFrames) {
            std::fflush(stdout);
            std::_Exit(0);
        }
    }

    engine->cleanup();
    engine = nullptr;

    std::printf("-----------------------------\n");
    std::printf("::. Shutting game engine  .::\n");
    std::printf("-----------------------------\n");
    return 0;
}
