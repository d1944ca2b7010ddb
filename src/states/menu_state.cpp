#include "states/menu_state.hpp"

#include <SDL.h>
#include <cstdio>

#include "engine/game_engine.hpp"

void MenuState::init(GameEngine* /*engine*/)
{
    std::printf("  MenuState::init()\n");
    name = "MenuState";
    screen = 0;
    selection = 0;
    active = true;
}

void MenuState::cleanup(GameEngine* /*engine*/) {}

void MenuState::handleEvents(GameEngine* engine)
{
    while (SDL_PollEvent(&engine->event) != 0) {
        const SDL_Event& event = engine->event;
        if (event.type == SDL_QUIT || (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
            engine->running = false;
        }
    }
}

void MenuState::update(GameEngine* /*engine*/) {}

void MenuState::draw(GameEngine* /*engine*/) {}

void MenuState::setScreen(int newScreen)
{
    selection = 0;
    screen = newScreen;
}
