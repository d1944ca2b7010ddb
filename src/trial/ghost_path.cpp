#include "trial/ghost_path.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr float pi = 3.14159265f;
constexpr float fullTurn = 2.0f * pi;

GhostPose poseOf(const ReplaySample& sample)
{
    return {sample.x, sample.y, sample.angle};
}

// Into 0 to 2 pi.
float wrapped(float angle)
{
    const float turned = std::fmod(angle, fullTurn);
    return turned < 0.0f ? turned + fullTurn : turned;
}

}  // namespace

GhostPath::GhostPath(std::vector<ReplaySample> runSamples) : samples(std::move(runSamples)) {}

GhostPose GhostPath::at(std::int32_t levelTime) const
{
    if (samples.empty()) {
        return {};
    }
    // The first sample later than the time; the one before it is at or before it.
    const auto later = std::upper_bound(samples.begin(), samples.end(), levelTime,
                                        [](std::int32_t time, const ReplaySample& s) { return time < s.levelTime; });
    if (later == samples.begin()) {
        return poseOf(samples.front());
    }
    if (later == samples.end()) {
        return poseOf(samples.back());
    }
    const ReplaySample& from = *(later - 1);
    const ReplaySample& to = *later;
    const float share =
        static_cast<float>(levelTime - from.levelTime) / static_cast<float>(to.levelTime - from.levelTime);
    float turn = wrapped(to.angle - from.angle);
    if (turn > pi) {
        turn -= fullTurn;
    }
    return {from.x + (to.x - from.x) * share, from.y + (to.y - from.y) * share, wrapped(from.angle + turn * share)};
}
