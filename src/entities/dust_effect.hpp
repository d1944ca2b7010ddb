// A speck of dust knocked loose by a hard bump: thrown in any direction, it falls and fades.
#pragma once

#include "entities/effect.hpp"

class DustEffect final : public Effect {
public:
    static constexpr int sizePixels = 8;
    static constexpr std::uint32_t lifetimeMs = 1000;

    void start(Vector3 point, std::uint32_t now) override;
    EffectLook look(GameEngine* engine) override;

    int velocityX = 0;  // px/s
    int velocityY = 0;  // px/s

private:
    void move(double seconds) override;
};
