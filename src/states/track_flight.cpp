#include "states/track_flight.hpp"

#include <memory>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "replays/replay_playback.hpp"
#include "replays/replay_recorder.hpp"
#include "states/action_state.hpp"

namespace {

struct KeyBit {
    std::uint8_t bit;
    InputAction action;
};
constexpr KeyBit keyBits[] = {{TrackFlight::left, InputAction::Left},
                              {TrackFlight::right, InputAction::Right},
                              {TrackFlight::thrust, InputAction::Thrust}};

Input inputOf(Input::Kind kind, InputAction action)
{
    Input input;
    input.kind = kind;
    input.action = action;
    return input;
}

// The presses and releases that turn `held` into `wanted`; the very first frame presses a key in
// any case, as it takes one to end the start pause.
std::vector<Input> changes(std::uint8_t held, std::uint8_t wanted, bool first)
{
    std::vector<Input> inputs;
    for (const KeyBit& key : keyBits) {
        const bool was = (held & key.bit) != 0;
        const bool is = (wanted & key.bit) != 0;
        if (was != is) {
            inputs.push_back(inputOf(is ? Input::Kind::KeyDown : Input::Kind::KeyUp, key.action));
        }
    }
    if (first && inputs.empty()) {
        inputs.push_back(inputOf(Input::Kind::KeyDown, InputAction::None));
    }
    return inputs;
}

TrackFlight::End endOf(const Hat& hat, std::uint32_t frames)
{
    TrackFlight::End end;
    end.finished = hat.goalReached;
    end.burst = hat.failed;
    end.levelTime = hat.levelTime;
    end.frames = frames;
    end.random = GameRandom::shared().state();
    return end;
}

}  // namespace

Replay TrackFlight::fly(GameEngine& engine, ManualClock& clock, const Plan& plan, End& end)
{
    engine.level = plan.level;
    engine.saveData->hardMode = plan.hardMode ? 1 : 0;
    ActionState state;
    state.init(&engine);
    std::uint8_t held = 0;
    const std::size_t lastFrame = plan.keys.size() + plan.overrun;
    for (std::size_t frame = 0; frame < lastFrame && state.recorder->recording(); ++frame) {
        const std::uint8_t wanted = frame < plan.keys.size() ? plan.keys[frame] : 0;
        for (const Input& input : changes(held, wanted, frame == 0)) {
            state.takeInput(&engine, input);
        }
        held = wanted;
        clock.advance(plan.frameMs[frame % plan.frameMs.size()]);
        engine.timer->tick();
        state.update(&engine);
    }
    Replay run = state.recorder->replay();
    end = endOf(*state.hat, state.recorder->frames());
    state.cleanup(&engine);
    return run;
}

TrackFlight::End TrackFlight::play(GameEngine& engine, const Replay& run)
{
    ActionState state({}, std::make_unique<ReplayPlayback>(run, "(checked run)"));
    state.init(&engine);
    state.playOut(&engine);
    End end = endOf(*state.hat, state.playback->frame);
    end.matched = state.watchMatched();
    state.cleanup(&engine);
    return end;
}
