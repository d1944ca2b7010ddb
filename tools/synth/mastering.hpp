// The last steps before a sound is written: no DC, a clean end, and the level it was asked for.
#pragma once

#include "audio_buffer.hpp"

namespace synth {

// Removes the offset that pulse waves leave (a one-pole high-pass far below hearing).
void removeDc(AudioBuffer& buffer);
// Cuts what follows the last sample above the threshold (relative to the peak), keeping a few ms after it
// that fade to zero.
void trimTail(AudioBuffer& buffer, double thresholdDb);
// Scales the buffer so its peak sits at the level; a silent buffer stays silent.
void normalisePeak(AudioBuffer& buffer, double peakDb);
// The buffer as loudness is measured: deep bass lowered, presence raised a little.
AudioBuffer weightedForLoudness(const AudioBuffer& buffer);
// Gain that brings the weighted RMS to the target without lifting the peak above the ceiling.
double loudnessGain(const AudioBuffer& buffer, double targetDb, double ceilingDb);

}  // namespace synth
