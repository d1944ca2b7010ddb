// A screen of the game that owns the frame while it is current: the menu or a level in play.
#pragma once

#include <functional>
#include <memory>
#include <string>

class GameEngine;
class GameState;

// Makes the state to hand over to when the time comes: how a state is told where it leads.
using StateMaker = std::function<std::unique_ptr<GameState>()>;

class GameState {
public:
    explicit GameState(std::string stateName) : name(std::move(stateName)) {}
    virtual ~GameState() = default;
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    virtual void init(GameEngine* engine) = 0;
    virtual void cleanup(GameEngine* engine) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // A state that changes state here has been destroyed when changeState returns: return at once.
    virtual void handleEvents(GameEngine* engine) = 0;
    virtual void update(GameEngine* engine) = 0;
    virtual void draw(GameEngine* engine) = 0;

    std::string name;
    bool active = true;
};
