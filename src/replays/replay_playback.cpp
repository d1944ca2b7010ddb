#include "replays/replay_playback.hpp"

#include <cstdio>

#include "engine/game_engine.hpp"
#include "engine/game_paths.hpp"
#include "replays/replay_recorder.hpp"

ReplayPlayback::ReplayPlayback(Replay recorded, std::string file)
    : run(std::move(recorded)), source(std::move(file)), clock(run.clockReads, run.timer.lastTicks),
      timer(std::make_unique<FrameTimer>())
{}

LevelStepper::Start ReplayPlayback::start() const
{
    char path[64];
    std::snprintf(path, sizeof path, GamePaths::levelFormat, run.header.level);
    LevelStepper::Start from;
    from.mapPath = path;
    from.hardMode = run.header.hardMode;
    from.effectsOff = run.effectsOff;
    // The recorded start pause is stepped over like any other frame.
    from.paused = true;
    from.timer = run.timer;
    from.random = run.random;
    return from;
}

ReplayPlayback::Scope::Scope(ReplayPlayback& owner, GameEngine& game)
    : playback(owner), engine(game), previous(TickSource::current())
{
    std::swap(engine.timer, playback.timer);
    TickSource::install(&playback.clock);
}

ReplayPlayback::Scope::~Scope()
{
    TickSource::install(&previous);
    std::swap(engine.timer, playback.timer);
}

std::vector<Input> ReplayPlayback::inputsDue()
{
    std::vector<Input> due;
    while (nextEvent < run.events.size() && run.events[nextEvent].frame <= frame) {
        const ReplayEvent& event = run.events[nextEvent++];
        Input input;
        input.kind = event.kind;
        input.action = event.action;
        due.push_back(input);
    }
    return due;
}

bool ReplayPlayback::check(const Hat& hat)
{
    if (atEnd() || clock.overrun()) {
        return false;
    }
    return sampleOf(hat) == run.samples[frame++];
}
