// Any bytes as a map file: loaded with its placement walk, then a few frames of play, each
// updating the world and drawing every layer into a real GL context. Out-of-range background
// styles, picture numbers and grid lookups only show once the level is drawn and run.
#include <GL/gl.h>
#include <SDL.h>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "fuzz_support.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "world/world.hpp"

namespace {

constexpr const char* mapPath = "./data/maps/map0.mp";
constexpr int windowSide = 64;  // the picture is not looked at; a small window rasterizes little

// Clock steps between frames: a plain frame, then jumps long enough for every timed spawn.
constexpr std::array<std::uint32_t, 4> frameSteps{16, 3000, 16, 2000};

GameEngine engine;
ManualClock playClock;

template <std::size_t N>
void giveTextures(std::array<std::uint32_t, N>& family)
{
    for (std::uint32_t& slot : family) {
        GLuint name = 0;
        glGenTextures(1, &name);
        slot = name;
    }
}

// Every slot holds a real texture name, so a family read out of range cannot pass for a hit.
void giveAllTextures(TextureSet& set)
{
    std::array<std::uint32_t, 4> singles{};
    giveTextures(singles);
    set.font = singles[0];
    set.loading = singles[1];
    set.flare = singles[2];
    set.effect = singles[3];
    giveTextures(set.jee);
    giveTextures(set.kuva);
    giveTextures(set.foreground);
    giveTextures(set.parallax);
    giveTextures(set.collision);
}

// A view the action state could show: inside the level, picked by the input so that pieces
// anywhere get drawn.
Rect viewFor(const std::uint8_t* data, std::size_t size, std::size_t frame, const Rect& bounds)
{
    std::uint32_t hash = 2166136261u;
    for (std::size_t i = frame; i < size; i += 97) {
        hash = (hash ^ data[i]) * 16777619u;
    }
    const std::int32_t spanX = bounds.w - screenWidth;
    const std::int32_t spanY = bounds.h - screenHeight;
    return Rect{static_cast<std::int32_t>(hash % static_cast<std::uint32_t>(spanX + 1)),
                static_cast<std::int32_t>((hash >> 16) % static_cast<std::uint32_t>(spanY + 1)), screenWidth,
                screenHeight};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzing::enterScratchFolder();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::abort();
    }
    setVideoMode("level fuzzer", windowSide, windowSide, 32, false);
    initGL(screenWidth, screenHeight);
    TickSource::install(&playClock);
    engine.initHeadless();
    giveAllTextures(*engine.textures);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput(mapPath, data, size);
    World world;
    if (world.level->load(mapPath) != 0) {
        fuzzing::broken("an existing map file was not loaded");
    }
    for (std::size_t frame = 0; frame < frameSteps.size(); ++frame) {
        playClock.advance(frameSteps[frame]);
        engine.update();
        world.update(&engine);
        clearFrame();
        viewRect = viewFor(data, size, frame, world.level->bounds);
        beginOverlay();
        world.draw(&engine);
        endOverlay();
    }
    SDL_GL_SwapBuffers();
    return 0;
}
