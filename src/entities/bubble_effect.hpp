// A bubble that rises behind the menu, wobbling about the column it started in.
#pragma once

#include "entities/effect.hpp"

class BubbleEffect final : public Effect {
public:
    static constexpr int sizePixels = 32;
    static constexpr std::uint32_t lifetimeMs = 1500;

    void start(Vector3 point, std::uint32_t now) override;
    EffectLook look(GameEngine* engine) override;

    int baseX = 0;
    int velocityY = 0;  // px/s, negative is up

private:
    void move(double seconds) override;
};
