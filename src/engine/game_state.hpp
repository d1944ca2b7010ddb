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

    // The operations keep this order. A state that calls changeState from handleEvents or update
    // has been destroyed when that call returns: it returns at once and touches none of its fields.

    // Acquires what the state needs; called once by changeState, after the state became current.
    virtual void init(GameEngine* engine) = 0;
    // Releases all that init acquired; called once by changeState or the engine's cleanup, just
    // before the state is destroyed.
    virtual void cleanup(GameEngine* engine) = 0;
    // Clears `active`: a paused level stands still and shows only its layers.
    virtual void pause() = 0;
    // Sets `active` again.
    virtual void resume() = 0;
    // Reads the pending input (InputPath) and reacts to it, once per frame after the frame is drawn,
    // so a key acts from the next frame's update. Events left when the state changes stay queued
    // for the next state.
    virtual void handleEvents(GameEngine* engine) = 0;
    // Advances the state by one frame, right after the frame timer's tick.
    virtual void update(GameEngine* engine) = 0;
    // Draws the frame; changes nothing of the game.
    virtual void draw(GameEngine* engine) = 0;

    // "ActionState" or "MenuState": what changeState writes to the log.
    std::string name;
    // False while paused; the world's draw reads it through the engine's current state.
    bool active = true;
};
