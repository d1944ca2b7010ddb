// Every texture of the game, by fixed slot, plus the base name of the font's display lists.
#pragma once

#include <array>
#include <cstdint>

struct TextureSet {
    std::uint32_t font = 0;
    std::uint32_t fontBase = 0;
    std::uint32_t loading = 0;
    std::uint32_t flare = 0;
    std::array<std::uint32_t, 5> jee{};
    std::array<std::uint32_t, 40> kuva{};
    std::array<std::uint32_t, 12> foreground{};
    std::array<std::uint32_t, 5> parallax{};
    std::array<std::uint32_t, 50> collision{};
    std::uint32_t effect = 0;
};
static_assert(sizeof(TextureSet) == 117 * sizeof(std::uint32_t), "the texture set has 117 slots");

// A sprite sheet by its file number, the way pictures are named: kuvaPicture(set, 14) is
// kuva14.png. 0 (no picture) for numbers outside 1 to 40.
std::uint32_t kuvaPicture(const TextureSet& set, int fileNumber);

// 0 when the image is missing or not 8-bit RGB or RGBA.
std::uint32_t loadTexture(const char* path);
void loadTextures(TextureSet& set);
void releaseTextures(TextureSet& set);
// How many slots hold a texture: what a fullscreen switch must give back and remake.
int liveTextureCount(const TextureSet& set);
