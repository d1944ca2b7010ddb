// The sound of one instrument or effect layer: what the recipes and scores describe in text.
#pragma once

#include <limits>
#include <vector>

#include "envelope.hpp"
#include "oscillator.hpp"
#include "state_variable_filter.hpp"

namespace synth {

struct OscillatorSetting {
    Waveform wave = Waveform::Sine;
    double ratio = 1.0;  // frequency as a multiple of the note's
    double levelDb = 0.0;
    double detuneCents = 0.0;
    double pulseWidth = 0.5;    // square only
    double decaySeconds = 0.0;  // extra fade of this partial alone; 0 keeps it
};

struct FilterSetting {
    FilterKind kind = FilterKind::Lowpass;
    double cutoff = 2000.0;  // Hz, or a multiple of the note frequency when it follows the pitch
    bool followsPitch = false;
    double resonance = 0.707;
    double sweepOctaves = 0.0;  // cutoff raised this far at the note start, falling away
    double sweepSeconds = 0.1;  // time constant of that fall
};

constexpr double echoOff = -std::numeric_limits<double>::infinity();

struct Patch {
    std::vector<OscillatorSetting> oscillators;
    std::vector<FilterSetting> filters;  // in series
    EnvelopeShape amp;
    double glideSemitones = 0.0;  // pitch starts this far off and slides onto the note
    double glideSeconds = 0.0;
    double vibratoHz = 0.0;
    double vibratoSemitones = 0.0;
    double vibratoDelaySeconds = 0.0;
    double trillSemitones = 0.0;  // alternates between the note and this far above
    double trillHz = 0.0;         // alternations per second
    double drive = 0.0;           // soft saturation, 0 = clean
    double levelDb = 0.0;
    double pan = 0.0;   // -1 left .. 1 right
    double gate = 1.0;  // share of a written note's length that is held
    double echoSendDb = echoOff;
    double hitHz = 0.0;  // pitch of an unpitched hit (drums); 0 = none given
};

}  // namespace synth
