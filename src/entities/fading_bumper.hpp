// The fragile bumper: the first touch by the hat starts it shrinking, and once it has shrunk to a
// tenth while on screen it is gone. Until then its box stays whole and solid.
#pragma once

#include <cstdint>

#include "entities/bumper.hpp"

class FadingBumper : public Bumper {
public:
    static constexpr BumperNumbers numbers{60.0f, 0.00066666666, 0.002, 0.0014285714, 40};
    static constexpr std::uint32_t notTouched = 0xFFFFFFFFu;
    static constexpr int shrinkMs = 2000;
    static constexpr double goneScale = 0.1;

    FadingBumper(int x, int y);

    // Keeps the time of the hat's first touch.
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    // Once it has shrunk to a tenth it is gone, but only when that happens on screen.
    void updateInView(GameEngine* engine) override;

    std::uint32_t touchedAt = notTouched;

protected:
    // Shrinks over the two seconds after the touch.
    float shownScale(const GameEngine* engine) const override;
};
