#include "fuzz_support.hpp"

#include <GL/gl.h>
#include <SDL.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <unistd.h>

#include "graphics/font.hpp"
#include "graphics/texture_set.hpp"
#include "graphics/video.hpp"

namespace fuzzing {

constexpr int windowSide = 64;

void openGlWindow()
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        std::exit(1);
    }
    setVideoMode("fuzzer", windowSide, windowSide, 32, false);
    initGL(screenWidth, screenHeight);
}

void giveAllTextures(TextureSet& set)
{
    const auto give = [](auto& slots) { glGenTextures(static_cast<GLsizei>(std::size(slots)), std::data(slots)); };
    for (std::uint32_t* single : {&set.font, &set.loading, &set.flare, &set.effect}) glGenTextures(1, single);
    give(set.jee), give(set.kuva), give(set.foreground), give(set.parallax), give(set.collision);
    buildFont(set);
}

void enterScratchFolder()
{
    char pattern[] = "/tmp/fezzle-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0) {
        std::perror("scratch folder");
        std::exit(1);
    }
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::perror("/dev/null");
        std::exit(1);
    }
}

void writeInput(const char* path, const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror(path);
        std::abort();
    }
}

void broken(const char* rule)
{
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

}  // namespace fuzzing
