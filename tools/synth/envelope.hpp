// Amplitude envelope of one note: attack, hold, decay towards the sustain level, release after the gate.
#pragma once

namespace synth {

struct EnvelopeShape {
    double attackSeconds = 0.005;
    double holdSeconds = 0.0;
    double decaySeconds = 0.2;  // time to fall 60 dB of the way from full level to the sustain level
    double sustainLevel = 1.0;  // 0..1
    double releaseSeconds = 0.05;
};

class Envelope {
public:
    Envelope(const EnvelopeShape& shape, double gateSeconds);

    // Level 0..1 at a time since the note started.
    double levelAt(double seconds) const;
    // When the note has fallen silent for good.
    double endSeconds() const;

private:
    double heldLevelAt(double seconds) const;

    EnvelopeShape shape;
    double gateSeconds;
};

}  // namespace synth
