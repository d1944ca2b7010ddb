#include "collision_pictures.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <memory>

#include "graphics/tables.hpp"
#include "level_error.hpp"

namespace {

struct SurfaceRelease {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

std::uint32_t pixelAt(const SDL_Surface* surface, int x, int y)
{
    const int bytes = surface->format->BytesPerPixel;
    const auto* p = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch + x * bytes;
    switch (bytes) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const std::uint16_t*>(p);
    case 3: return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2]) : (p[0] | p[1] << 8 | p[2] << 16);
    default: return *reinterpret_cast<const std::uint32_t*>(p);
    }
}

PictureAlpha readAlpha(const std::string& path)
{
    std::unique_ptr<SDL_Surface, SurfaceRelease> surface(IMG_Load(path.c_str()));
    if (!surface) {
        throw LevelError(path, std::string("cannot be read: ") + IMG_GetError());
    }
    PictureAlpha picture;
    picture.width = surface->w;
    picture.height = surface->h;
    picture.alpha.resize(static_cast<std::size_t>(surface->w * surface->h));
    SDL_LockSurface(surface.get());
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r = 0, g = 0, b = 0, a = 0;
            SDL_GetRGBA(pixelAt(surface.get(), x, y), surface->format, &r, &g, &b, &a);
            picture.alpha[static_cast<std::size_t>(y * surface->w + x)] = a;
        }
    }
    SDL_UnlockSurface(surface.get());
    return picture;
}

}  // namespace

CollisionPictures CollisionPictures::load(const std::string& folder)
{
    CollisionPictures set;
    for (int number = 1; number <= collisionPictureCount; ++number) {
        set.pictures.push_back(readAlpha(folder + "/collision" + std::to_string(number) + ".png"));
    }
    return set;
}
