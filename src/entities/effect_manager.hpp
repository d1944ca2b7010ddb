// The engine's one list of live visual effects: spawned by the hat and the menu, advanced by
// whoever runs the frame (the world or the menu), emptied at every change of state.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "entities/effect.hpp"

class GameEngine;

enum class EffectKind {
    Puff = 1,
    Ember = 2,
    Bubble = 3,
    Dust = 4,
    Shard = 5,
    RisingPicture = 6,
};

class EffectManager {
public:
    // Creates and starts one effect of kind 1 to 6 at (x, y), centred; any other kind, or effects
    // switched off, creates nothing. Only puffs and embers use the angle (radians).
    void spawn(int x, int y, int kind, std::uint32_t now, float angle);
    void spawn(int x, int y, EffectKind kind, std::uint32_t now, float angle)
    {
        spawn(x, y, static_cast<int>(kind), now, angle);
    }
    // Each effect advances once, in creation order; expired ones are released at their turn.
    void update(int frameMs);
    void draw(GameEngine* engine);
    void clear();

    bool effectsOff = false;
    // In creation order.
    std::vector<std::unique_ptr<Effect>> effects;
};
