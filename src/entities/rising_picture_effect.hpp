// A large faint picture that rises and turns behind the menu's screens.
#pragma once

#include "entities/effect.hpp"

class RisingPictureEffect final : public Effect {
public:
    static constexpr int sizePixels = 256;
    static constexpr std::uint32_t lifetimeMs = 6000;

    void start(Vector3 point, std::uint32_t now) override;
    EffectLook look(GameEngine* engine) override;

    int riseSpeed = 0;  // px/s upward
    int picture = 0;    // 0..9: kuva1.png to kuva10.png

private:
    void move(double seconds) override;
};
