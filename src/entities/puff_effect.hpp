// A cloud of gas blown out of the hat, turned to the hat's heading; it animates and fades in place.
#pragma once

#include "entities/effect.hpp"

class PuffEffect final : public Effect {
public:
    static constexpr int sizePixels = 64;
    static constexpr std::uint32_t lifetimeMs = 350;

    void startAimed(Vector3 point, std::uint32_t now, float angle) override;
    void start(Vector3 point, std::uint32_t now) override;
    EffectLook look(GameEngine* engine) override;

    float rotation = 0.0f;  // degrees

private:
    void move(double) override {}
};
