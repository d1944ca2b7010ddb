#include "engine/resource_stats.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "graphics/font.hpp"

namespace {

template <std::size_t N>
std::uint32_t highest(const std::array<std::uint32_t, N>& names)
{
    return *std::max_element(names.begin(), names.end());
}

// GL hands out names in rising order, so every texture or list made so far, leaked ones
// included, has a name no higher than the newest one the set holds.
std::uint32_t highestTexture(const TextureSet& set)
{
    return std::max({set.font, set.loading, set.flare, set.effect, highest(set.jee), highest(set.kuva),
                     highest(set.foreground), highest(set.parallax), highest(set.collision)});
}

template <typename IsLive>
int countLive(std::uint32_t highestName, IsLive isLive)
{
    int live = 0;
    for (std::uint32_t name = 1; name <= highestName; ++name) {
        live += isLive(name) == GL_TRUE ? 1 : 0;
    }
    return live;
}

}  // namespace

void writeResourceStats(const TextureSet& set, int openPads)
{
    const char* path = std::getenv("FEZZLE_STATS_FILE");
    if (path == nullptr || *path == '\0') {
        return;
    }
    std::FILE* file = std::fopen(path, "a");
    if (file == nullptr) {
        return;
    }
    const std::uint32_t highestList = set.fontBase == 0 ? 0 : set.fontBase + fontGlyphCount - 1;
    std::fprintf(file, "textures %d lists %d pads %d\n", countLive(highestTexture(set), glIsTexture),
                 countLive(highestList, glIsList), openPads);
    std::fclose(file);
}
