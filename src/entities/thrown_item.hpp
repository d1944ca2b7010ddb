// An item the thrower tosses up: it arcs under a light pull, tinted, and fades out after landing.
#pragma once

#include "entities/projectile.hpp"

class ThrownItem : public Projectile {
public:
    static constexpr float pullPerSecond = 35.0f;

    // Centred on (x, y). The order of random draws matters, levels replay the same: variant, upward speed, spin.
    ThrownItem(int x, int y);

    void update(GameEngine* engine) override;
    void draw(GameEngine* engine) override;
};
