// Linear attack (never shorter than a click), exponential decay, a release curve that lands on zero flat.
#include "envelope.hpp"

#include <algorithm>
#include <cmath>

namespace synth {
namespace {

constexpr double shortestRampSeconds = 0.0015;  // anything faster clicks
constexpr double ln1000 = 6.907755278982137;    // 60 dB in nepers
constexpr double silentLevel = 1e-4;            // -80 dB: a sustain-free note is over here

}  // namespace

Envelope::Envelope(const EnvelopeShape& s, double gate) : shape(s), gateSeconds(std::max(gate, 0.0))
{
    shape.attackSeconds = std::max(shape.attackSeconds, shortestRampSeconds);
    shape.releaseSeconds = std::max(shape.releaseSeconds, shortestRampSeconds);
    shape.decaySeconds = std::max(shape.decaySeconds, shortestRampSeconds);
    shape.sustainLevel = std::clamp(shape.sustainLevel, 0.0, 1.0);
}

double Envelope::heldLevelAt(double t) const
{
    if (t < shape.attackSeconds) return t / shape.attackSeconds;
    const double decayStart = shape.attackSeconds + shape.holdSeconds;
    if (t < decayStart) return 1.0;
    const double fall = std::exp(-(t - decayStart) * ln1000 / shape.decaySeconds);
    return shape.sustainLevel + (1.0 - shape.sustainLevel) * fall;
}

double Envelope::levelAt(double t) const
{
    if (t < 0.0 || t >= endSeconds()) return 0.0;
    if (t < gateSeconds) return heldLevelAt(t);
    const double u = (t - gateSeconds) / shape.releaseSeconds;
    const double rest = 1.0 - u;
    return heldLevelAt(gateSeconds) * rest * rest;
}

double Envelope::endSeconds() const
{
    const double released = gateSeconds + shape.releaseSeconds;
    if (shape.sustainLevel > 0.0) return released;
    const double decayStart = shape.attackSeconds + shape.holdSeconds;
    const double silentAfter = decayStart + shape.decaySeconds * std::log(1.0 / silentLevel) / ln1000;
    return std::min(released, silentAfter);
}

}  // namespace synth
