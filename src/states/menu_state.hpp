// The menu state. For now only the frame it owns: it ends the game on the window's close event or
// Escape and draws nothing; its screens, navigation and settings are not built yet.
#pragma once

#include "engine/game_state.hpp"

class MenuState : public GameState {
public:
    MenuState() : GameState("MenuState") {}

    void init(GameEngine* engine) override;
    void cleanup(GameEngine* engine) override;
    void pause() override { active = false; }
    void resume() override { active = true; }
    void handleEvents(GameEngine* engine) override;
    void update(GameEngine* engine) override;
    void draw(GameEngine* engine) override;

    void setScreen(int newScreen);

    int screen = 0;
    int selection = 0;
};
