// What the fuzz harnesses need: a private working folder, the game's log kept out of the fuzzer's
// output, each input written where the loader under test reads it, and a GL window.
#pragma once

#include <GL/gl.h>
#include <SDL.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <unistd.h>

#include "engine/game_engine.hpp"
#include "graphics/font.hpp"
#include "graphics/texture_set.hpp"
#include "graphics/video.hpp"

namespace fuzzing {

// A fresh temporary working folder and standard output (the log) to /dev/null: all a harness of a
// reader that draws nothing needs.
inline void startScratch()
{
    char pattern[] = "/tmp/fezzle-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0 || std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::perror("scratch folder");
        std::exit(1);
    }
}

// The scratch folder, then a small window with the game's GL state (the picture is not looked at, so it
// rasterizes little) and the engine's headless services with a real texture name in every slot (a slot
// read out of range cannot pass for a hit), then the font.
inline void startHarness(GameEngine& engine)
{
    startScratch();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        std::exit(1);
    }
    setVideoMode("fuzzer", 64, 64, 32, false);
    initGL(screenWidth, screenHeight);
    engine.initHeadless();
    TextureSet& set = *engine.textures;
    const auto give = [](auto& slots) { glGenTextures(static_cast<GLsizei>(std::size(slots)), std::data(slots)); };
    for (std::uint32_t* single : {&set.font, &set.loading, &set.flare, &set.effect}) glGenTextures(1, single);
    give(set.jee), give(set.kuva), give(set.foreground), give(set.parallax), give(set.collision);
    buildFont(set);
}

// Writes the bytes to path, replacing what was there; creates the parent folders first.
inline void writeInput(const char* path, const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path);
        std::abort();
    }
}

// Stops the run with a crash the fuzzer reports, when a rule that must hold for any input fails.
[[noreturn]] inline void broken(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

}  // namespace fuzzing
