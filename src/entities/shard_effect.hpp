// A piece of the burst hat: flies off in a straight line, spinning less with every frame it is seen.
#pragma once

#include "entities/effect.hpp"

class ShardEffect final : public Effect {
public:
    static constexpr int sizePixels = 64;
    static constexpr std::uint32_t lifetimeMs = 1800;

    void start(Vector3 point, std::uint32_t now) override;
    // Spins the shard on: the spin advances only while the shard is drawn.
    EffectLook look(GameEngine* engine) override;

    int velocityX = 0;         // px/s
    int velocityY = 0;         // px/s
    float spinSpeed = 0.0f;    // degrees/s
    float rotation = 0.0f;     // degrees
    std::int16_t picture = 0;  // 0..9: kuva1.png to kuva10.png

private:
    void move(double seconds) override;
};
