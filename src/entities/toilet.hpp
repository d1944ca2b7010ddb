// The level's goal: the first touch by an intact hat sounds the fanfare and finishes the level.
#pragma once

#include "entities/entity.hpp"

class Toilet : public Entity {
public:
    static constexpr float sizePixels = 125.0f;

    // (x, y) is the top-left corner.
    Toilet(int x, int y);

    void update(GameEngine* engine) override;
    // A slow red pulse, about 2.5 s.
    void draw(GameEngine* engine) override;
    // Reached from the toilet's own turn: the hat passes through it without reacting.
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
};
