// Any bytes as a map file, played as the game plays a level: loaded by the action state, then a few
// frames with keys held as the input says, each updating the world and drawing everything into a
// real GL context (out-of-range styles, pictures and grid lookups only show once drawn and run).
#include <SDL.h>
#include <array>
#include <cstdint>
#include <memory>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "fuzz_support.hpp"
#include "graphics/video.hpp"
#include "states/action_state.hpp"

namespace {

// Clock steps between frames: a plain frame, then jumps long enough for every timed spawn.
constexpr std::array<std::uint32_t, 4> frameSteps{16, 3000, 16, 2000};

GameEngine engine;
ManualClock playClock;

// The keys held in a frame, picked by the input so that the hat flies somewhere new.
std::uint32_t keysFor(const std::uint8_t* data, std::size_t size, std::size_t frame)
{
    std::uint32_t hash = 2166136261u ^ static_cast<std::uint32_t>(frame);
    for (std::size_t i = frame; i < size; i += 97) hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    TickSource::install(&playClock);
    fuzzing::startHarness(engine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput("./data/maps/map0.mp", data, size);
    engine.level = 0;
    engine.changeState(std::make_unique<ActionState>());
    auto* play = static_cast<ActionState*>(engine.state.get());
    play->resume();
    for (std::size_t frame = 0; frame < frameSteps.size() && engine.state.get() == play; ++frame) {
        const std::uint32_t keys = keysFor(data, size, frame);
        play->hat->keyLeft = (keys & 1u) != 0;
        play->hat->keyRight = (keys & 2u) != 0;
        play->hat->keyThrust = (keys & 4u) != 0;
        playClock.advance(frameSteps[frame]);
        clearFrame();
        engine.update();
        engine.draw();
    }
    SDL_GL_SwapBuffers();
    return 0;
}
