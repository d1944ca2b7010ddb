#include "graphics/texture_set.hpp"

#include <GL/gl.h>
#include <SDL_image.h>
#include <cstdio>
#include <memory>

#include "engine/game_paths.hpp"
#include "graphics/font.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"

namespace {

constexpr Rect loadingDestination{10, 10, 256, 64};

// Each image of a numbered family is followed by its path line in the log, loaded or not.
template <std::size_t N>
void loadFamily(const char* family, std::array<std::uint32_t, N>& slots, char (&path)[64])
{
    for (std::size_t n = 1; n <= N; ++n) {
        std::snprintf(path, sizeof path, GamePaths::pictureFormat, family, static_cast<int>(n));
        slots[n - 1] = loadTexture(path);
        std::printf("%s\n", path);
    }
}

// Pixel data never outlives the upload, whichever way loading ends.
using SurfaceOwner = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

void deleteTexture(std::uint32_t& name)
{
    if (name != 0) {
        const GLuint id = name;
        glDeleteTextures(1, &id);
    }
    name = 0;
}

template <std::size_t N>
void deleteFamily(std::array<std::uint32_t, N>& slots)
{
    for (std::uint32_t& name : slots) {
        deleteTexture(name);
    }
}

template <std::size_t N>
int countLive(const std::array<std::uint32_t, N>& slots)
{
    int live = 0;
    for (std::uint32_t name : slots) {
        live += name != 0 ? 1 : 0;
    }
    return live;
}

}  // namespace

std::uint32_t kuvaPicture(const TextureSet& set, int fileNumber)
{
    // File number n lives in element n - 1; the cast makes numbers below 1 too large as well.
    const auto element = static_cast<std::size_t>(fileNumber - 1);
    return element < set.kuva.size() ? set.kuva[element] : 0;
}

std::uint32_t loadTexture(const char* path)
{
    const SurfaceOwner surface(IMG_Load(path), &SDL_FreeSurface);
    if (surface == nullptr) {
        std::printf("  Failed to load %s\n", path);
        return 0;
    }
    GLenum format = 0;
    switch (surface->format->BytesPerPixel) {
    case 3: format = GL_RGB; break;
    case 4: format = GL_RGBA; break;
    default: return 0;  // paletted, grey and 16-bit surfaces are refused without a word
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), surface->w, surface->h, 0, format, GL_UNSIGNED_BYTE,
                 surface->pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

void loadTextures(TextureSet& set)
{
    beginOverlay();
    set.loading = loadTexture(GamePaths::loadingPicture);
    drawSprite(loadingDestination, set.loading, wholeSheet, 0.0f, 1.0f);
    SDL_GL_SwapBuffers();
    endOverlay();

    set.font = loadTexture(GamePaths::glyphSheet);
    set.flare = loadTexture(GamePaths::flare);

    char path[64];
    loadFamily("kuva", set.kuva, path);
    loadFamily("jee", set.jee, path);
    loadFamily("foreground", set.foreground, path);
    loadFamily("parallax", set.parallax, path);
    loadFamily("collision", set.collision, path);
    std::snprintf(path, sizeof path, GamePaths::effectSheetFormat, 1);
    set.effect = loadTexture(path);
    std::printf("%s\n", path);
}

void releaseTextures(TextureSet& set)
{
    deleteTexture(set.loading);
    deleteTexture(set.font);
    deleteTexture(set.flare);
    deleteFamily(set.jee);
    deleteFamily(set.kuva);
    deleteFamily(set.foreground);
    deleteFamily(set.parallax);
    deleteFamily(set.collision);
    deleteTexture(set.effect);
    releaseFont(set);
}

int liveTextureCount(const TextureSet& set)
{
    const int singles = (set.loading != 0) + (set.font != 0) + (set.flare != 0) + (set.effect != 0);
    return singles + countLive(set.jee) + countLive(set.kuva) + countLive(set.foreground) + countLive(set.parallax) +
           countLive(set.collision);
}
