// What rising and blown bubbles share: their fields, bursting on terrain, and their drawing.
// The hat pops a bubble by entering it and is carried until the bubble nears the top or dies.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

class Bubble : public Entity {
public:
    static constexpr float sizePixels = 40.0f;
    static constexpr std::uint32_t notPopped = 0xFFFFFFFFu;

    // The box is centred on (x, y); the birth time is read from the tick source.
    Bubble(int x, int y, EntityType kind);

    // Terrain (and leaving the level) ends a bubble.
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;

    int baseX;
    std::uint32_t bornAt;
    float phase;
    float velocityY = 0.0f;
    bool popped = false;
    std::uint32_t poppedAt = notPopped;

protected:
    // Buoyancy damped every frame, the sway about baseX that widens over the first 2.5 s, and the
    // climb at the new speed.
    void rise(GameEngine* engine);
};
