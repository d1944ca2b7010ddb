// An item the dropper lets fall: it starts at rest under a strong pull, sounds on every frame it
// touches the hat, and vanishes without fading after landing.
#pragma once

#include "entities/projectile.hpp"

class DroppedItem : public Projectile {
public:
    static constexpr float pullPerSecond = 55.0f;
    // The variant whose picture and sound are the golden one.
    static constexpr std::uint8_t goldenVariant = 0;

    // Centred on (x, y). The order of random draws matters, levels replay the same: variant, spin.
    DroppedItem(int x, int y);

    void update(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;
};
