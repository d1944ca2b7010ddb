// Turns a score into one seamless loop: the song is played twice and the second pass kept, so the notes and echoes
// that ring over the end of the song are already sounding at its start.
#pragma once

#include <cstddef>
#include <vector>

#include "audio_buffer.hpp"
#include "score.hpp"
#include "voice.hpp"

namespace synth {

struct ScheduledNote {
    std::size_t startFrame = 0;
    const Patch* patch = nullptr;
    Note note;
};

class MusicRenderer {
public:
    explicit MusicRenderer(const Score& score);

    // Every note of one pass of the song, in lane order.
    std::vector<ScheduledNote> schedule() const;
    std::size_t loopFrames() const;
    // Stereo, exactly loopFrames long, its last frame flowing into its first; not yet brought to loudness.
    AudioBuffer renderLoop() const;

private:
    double stepFrame(std::size_t step) const;
    void scheduleLane(const Lane& lane, std::size_t patternSteps, std::size_t firstStep, int transpose,
                      std::vector<ScheduledNote>& out) const;
    void applyEcho(const std::vector<float>& send, AudioBuffer& mix) const;

    const Score& score;
};

}  // namespace synth
