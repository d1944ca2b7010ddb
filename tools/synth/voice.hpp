// One note of a patch rendered on its own: the same note always renders the same samples.
#pragma once

#include <cstdint>
#include <vector>

#include "patch.hpp"

namespace synth {

struct Note {
    double frequencyHz = 440.0;
    double gateSeconds = 0.1;
    double velocity = 1.0;
    std::uint32_t seed = 1;  // noise of this note
};

class Voice {
public:
    Voice(const Patch& patch, const Note& note);

    // Mono samples from the note start until it has died away.
    std::vector<float> render() const;

private:
    double pitchSemitonesAt(double seconds) const;

    const Patch& patch;
    Note note;
};

}  // namespace synth
