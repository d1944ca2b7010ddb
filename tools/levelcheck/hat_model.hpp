// The flight rules as a pilot carries them in its head: how the keys it held move and turn the hat
// and fill its gas meter, frame by frame, with nothing in the way. A person knows them only roughly,
// so the push and the turn it expects are scaled by its beliefs.
#pragma once

#include <cstdint>

#include "hat_state.hpp"

struct HatBeliefs {
    // The push a thrust gives and the turn a key gives, as shares of the real ones.
    float thrustShare = 1.0f;
    float turnShare = 1.0f;
};

class HatModel {
public:
    static constexpr int frameMs = 16;

    explicit HatModel(const HatBeliefs& held) : beliefs(held) {}

    // One frame with these keys held (HeldKeys bits).
    void step(HatState& hat, std::uint8_t keys) const;

private:
    HatBeliefs beliefs;
};
