// 16-bit PCM WAV files, written and read field by field in little-endian order.
#pragma once

#include <string>

#include "audio_buffer.hpp"

namespace synth {

// Writes at the synth's sample rate; samples beyond full scale are clamped. False when the file cannot be written.
bool writeWav(const std::string& path, const AudioBuffer& buffer);
// Reads a 16-bit PCM file; an empty buffer when it is not one.
AudioBuffer readWav(const std::string& path);

}  // namespace synth
