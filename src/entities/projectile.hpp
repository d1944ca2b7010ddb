// What thrown and dropped items share: their fields, their flight through terrain while young,
// and landing on terrain after that. Each kind gives its own pull, start speed and drawing.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

class Projectile : public Entity {
public:
    static constexpr float sizePixels = 80.0f;

    // The box is centred on (x, y); the birth time is read from the tick source.
    Projectile(int x, int y);

    // True on landing: the first terrain contact once the item is past its grace time.
    bool collide(GameEngine* engine, Entity* other, Level* level) override;

    std::uint32_t bornAt;
    std::uint32_t landedAt = 0;
    bool landed = false;
    float velocityY = 0.0f;
    std::uint8_t variant = 0;
    float spin = 0.0f;
    float velocityX = 0.0f;
};
