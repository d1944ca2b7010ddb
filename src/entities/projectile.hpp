// What thrown and dropped items share: their fields, their flight through terrain while young,
// and landing on terrain after that. Each kind gives its own pull, start speed and drawing.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"
#include "entities/object_sprite.hpp"

class Projectile : public Entity {
public:
    static constexpr float sizePixels = 80.0f;
    // Terrain is passed through until strictly this long after birth.
    static constexpr std::uint32_t graceMs = 1500;
    // A landed item goes strictly this long after landing.
    static constexpr std::uint32_t landedLifeMs = 1000;
    static constexpr float sideSpeedPerSpin = 25.0f;

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

protected:
    // One draw of the game's random sequence: -2, -1, 0.5 or 1 (never 0, so no item flies straight
    // up), with the sideways speed that goes with it.
    void drawSpin();
    // Falls under the pull and moves; a landed item keeps moving until it is gone.
    void fly(GameEngine* engine, float pullPerSecond);
    // Spinning with the frame counter and growing from 0.4 to full size over the first 4 s.
    ObjectSprite itemSprite(const GameEngine* engine) const;
};
