#include "states/fps_counter.hpp"

#include <cstdio>

#include "engine/game_engine.hpp"
#include "graphics/font.hpp"

namespace {

constexpr int fpsX = 715;
constexpr int fpsY = 20;

}  // namespace

void drawFpsCounter(const GameEngine& engine)
{
    if (engine.saveData->showFps != 1) {
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "FPS (%d)", static_cast<int>(engine.timer->fps));
    printText(*engine.textures, fpsX, fpsY, text, 0, 0.0f, 1.0f);
}
