// Ogg Vorbis files through libvorbis: the music format the mixer streams.
#pragma once

#include <cstdint>
#include <string>

#include "audio_buffer.hpp"

namespace synth {

// Encodes at the synth's sample rate with a fixed stream serial, so the same score gives the same bytes.
bool writeOgg(const std::string& path, const AudioBuffer& buffer, float quality, std::uint32_t serial);
// Decodes a whole file; an empty buffer when it is not Ogg Vorbis.
AudioBuffer readOgg(const std::string& path);

}  // namespace synth
