#include "replays/replay_recorder.hpp"

#include "entities/hat.hpp"
#include "replays/replay_file.hpp"

ReplaySample sampleOf(const Hat& hat)
{
    return ReplaySample{hat.position.x, hat.position.y, hat.angle, hat.levelTime};
}

ReplayRecorder::ReplayRecorder(const ReplayHeader& level, bool effectsOff, FrameTimer::State timer,
                               GameRandom::State random)
    : previous(TickSource::current()), clock(previous)
{
    run.header = level;
    run.effectsOff = effectsOff;
    run.timer = timer;
    run.random = random;
    TickSource::install(&clock);
}

ReplayRecorder::~ReplayRecorder()
{
    // Whoever installed a clock since (a test or tool done with its own) keeps it.
    if (&TickSource::current() == &clock) {
        TickSource::install(&previous);
    }
}

void ReplayRecorder::noteInput(const Input& input)
{
    if (recording() && input.kind != Input::Kind::Quit) {
        run.events.push_back(ReplayEvent{frames(), input.kind, input.action});
    }
}

void ReplayRecorder::noteFrame(const Hat& hat)
{
    if (!recording()) {
        return;
    }
    run.samples.push_back(sampleOf(hat));
    // A run too long to keep is not kept.
    if (run.samples.size() >= ReplayFile::maxFrames) {
        stop();
    }
}

Replay ReplayRecorder::replay() const
{
    Replay finished = run;
    finished.clockReads = clock.reads;
    finished.header.frameCount = frames();
    finished.header.finishTime = run.samples.empty() ? 0 : run.samples.back().levelTime;
    finished.header.levelChecksum = ReplayFile::levelChecksum(run.header.level);
    return finished;
}
