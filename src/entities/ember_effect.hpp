// A glowing ember thrown out of the hat (or drifting down behind the menu) that falls, spins and
// fades; it glows red while it flies against its own turning direction.
#pragma once

#include "entities/effect.hpp"

class EmberEffect final : public Effect {
public:
    static constexpr int sizePixels = 32;
    static constexpr std::uint32_t lifetimeMs = 1500;

    void startAimed(Vector3 point, std::uint32_t now, float angle) override;
    void start(Vector3 point, std::uint32_t now) override;
    EffectLook look(GameEngine* engine) override;

    int velocityX = 0;  // px/s
    int velocityY = 0;  // px/s
    bool reversed = false;

private:
    void move(double seconds) override;
};
