// The path of a best run, as the samples of its hat each frame (its box's top-left corner in level
// pixels, its tail direction, its level time): where its hat was at any level time, between the
// two nearest samples.
#pragma once

#include <cstdint>
#include <vector>

#include "replays/replay.hpp"

struct GhostPose {
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
};

class GhostPath {
public:
    // The samples in the order of the run; their level times never fall.
    explicit GhostPath(std::vector<ReplaySample> samples);

    bool empty() const { return samples.empty(); }
    // Before the first sample at the first; once the run is over at its last (the toilet). The
    // angle turns the shorter way round and stays within 0 to 2 pi.
    GhostPose at(std::int32_t levelTime) const;

private:
    std::vector<ReplaySample> samples;
};
