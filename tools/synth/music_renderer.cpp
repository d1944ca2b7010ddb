// Sample positions come from step numbers, never from summed step lengths, so no rounding drift builds up.
#include "music_renderer.hpp"

#include <algorithm>
#include <cmath>

#include "mastering.hpp"
#include "pitch.hpp"
#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr double quarterPi = pi / 4.0;
constexpr double centredPanGain = 1.4142135623730951;  // a centred voice keeps its level on each side
constexpr double softHitGain = 0.6;
constexpr double echoDampingHz = 3500.0;  // each repeat a little duller, like a room
constexpr std::size_t passes = 2;

std::uint32_t noteSeed(std::size_t step, std::size_t laneIndex)
{
    return static_cast<std::uint32_t>(step * 131 + laneIndex * 7919 + 17);
}

}  // namespace

MusicRenderer::MusicRenderer(const Score& s) : score(s) {}

double MusicRenderer::stepFrame(std::size_t step) const
{
    const double late = (step % 2 == 1) ? score.swing : 0.0;
    return (static_cast<double>(step) + late) * score.stepSeconds() * sampleRateHz;
}

std::size_t MusicRenderer::loopFrames() const
{
    return static_cast<std::size_t>(
        std::llround(static_cast<double>(score.songSteps()) * score.stepSeconds() * sampleRateHz));
}

void MusicRenderer::scheduleLane(const Lane& lane, std::size_t patternSteps, std::size_t firstStep, int transpose,
                                 std::vector<ScheduledNote>& out) const
{
    const Patch& patch = score.instruments.at(lane.instrument);
    std::size_t firstOpen = out.size();  // the notes still sounding (one, or all of a chord)
    std::size_t openStep = 0;
    auto close = [&](std::size_t endStep) {
        const double gateFrames = (stepFrame(endStep) - stepFrame(openStep)) * patch.gate;
        for (std::size_t i = firstOpen; i < out.size(); ++i) out[i].note.gateSeconds = gateFrames * sampleSeconds;
        firstOpen = out.size();
    };
    for (std::size_t s = 0; s < patternSteps; ++s) {
        const std::string& step = lane.steps[s % lane.steps.size()];
        const std::size_t absolute = firstStep + s;
        if (isHold(step)) continue;
        close(absolute);
        if (isRest(step)) continue;
        openStep = absolute;
        ScheduledNote scheduled;
        scheduled.startFrame = static_cast<std::size_t>(std::llround(stepFrame(absolute)));
        scheduled.patch = &patch;
        if (isHit(step)) {
            scheduled.note.frequencyHz = patch.hitHz;
            scheduled.note.velocity = isAccentedHit(step) ? 1.0 : softHitGain;
            scheduled.note.seed = noteSeed(absolute, out.size());
            out.push_back(scheduled);
            continue;
        }
        for (double hz : chordPitches(step)) {
            scheduled.note.frequencyHz = transposed(hz, transpose);
            scheduled.note.seed = noteSeed(absolute, out.size());
            out.push_back(scheduled);
        }
    }
    close(firstStep + patternSteps);
}

std::vector<ScheduledNote> MusicRenderer::schedule() const
{
    std::vector<ScheduledNote> notes;
    std::size_t firstStep = 0;
    for (const SongEntry& entry : score.song) {
        const Pattern& p = score.pattern(entry.pattern);
        for (const Lane& lane : p.lanes) scheduleLane(lane, p.stepCount, firstStep, entry.transposeSemitones, notes);
        firstStep += p.stepCount;
    }
    return notes;
}

void MusicRenderer::applyEcho(const std::vector<float>& send, AudioBuffer& mix) const
{
    if (score.echoSteps <= 0) return;
    // Ping-pong: each repeat crosses to the other side.
    const auto delay = static_cast<std::size_t>(std::llround(score.echoSteps * score.stepSeconds() * sampleRateHz));
    const double damping = 1.0 - std::exp(-twoPi * echoDampingHz / sampleRateHz);
    std::vector<float> left(send.size()), right(send.size());
    double dampedL = 0.0, dampedR = 0.0;
    for (std::size_t i = 0; i < send.size(); ++i) {
        const double heardL = i >= delay ? left[i - delay] : 0.0;
        const double heardR = i >= delay ? right[i - delay] : 0.0;
        dampedL += damping * (heardL - dampedL);
        dampedR += damping * (heardR - dampedR);
        left[i] = static_cast<float>(send[i] + dampedR * score.echoFeedback);
        right[i] = static_cast<float>(dampedL * score.echoFeedback);
        mix.samples[2 * i] += static_cast<float>(dampedL);
        mix.samples[2 * i + 1] += static_cast<float>(dampedR);
    }
}

AudioBuffer MusicRenderer::renderLoop() const
{
    const std::size_t loop = loopFrames();
    const std::vector<ScheduledNote> notes = schedule();
    AudioBuffer mix;
    mix.channels = 2;
    mix.samples.assign(loop * passes * 2, 0.0f);
    std::vector<float> send(loop * passes, 0.0f);
    for (const ScheduledNote& n : notes) {
        const std::vector<float> samples = Voice(*n.patch, n.note).render();
        const double angle = (n.patch->pan + 1.0) * quarterPi;
        const auto gainL = static_cast<float>(std::cos(angle) * centredPanGain);
        const auto gainR = static_cast<float>(std::sin(angle) * centredPanGain);
        const auto sendGain = static_cast<float>(decibelsToGain(n.patch->echoSendDb));
        for (std::size_t pass = 0; pass < passes; ++pass) {
            const std::size_t start = n.startFrame + pass * loop;
            const std::size_t count = std::min(samples.size(), send.size() - std::min(send.size(), start));
            for (std::size_t i = 0; i < count; ++i) {
                mix.samples[2 * (start + i)] += samples[i] * gainL;
                mix.samples[2 * (start + i) + 1] += samples[i] * gainR;
                send[start + i] += samples[i] * sendGain;
            }
        }
    }
    applyEcho(send, mix);
    removeDc(mix);
    AudioBuffer out;
    out.channels = 2;
    out.samples.assign(mix.samples.begin() + static_cast<long>(2 * loop), mix.samples.end());
    return out;
}

}  // namespace synth
