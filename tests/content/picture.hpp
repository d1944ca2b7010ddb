// A built picture loaded the way the game loads it, read into plain pixels for the content checks.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace content {

struct Rgba {
    Uint8 r, g, b, a;
    double luminance() const { return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0; }
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

struct Box {
    int x, y, w, h;
    int right() const { return x + w; }
    int bottom() const { return y + h; }
};

struct Picture {
    int width = 0, height = 0;
    std::vector<Rgba> pixels;
    const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    Box whole() const { return {0, 0, width, height}; }
};

// The game's loader drops anything but 8-bit RGB and RGBA without a word, and GL wants power-of-two sides.
inline Picture readPicture(const std::string& file)
{
    Picture picture;
    const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> s(
        IMG_Load((std::string(FEZZLE_DATA_DIR) + "/" + file).c_str()), SDL_FreeSurface);
    EXPECT_NE(s, nullptr) << file << " does not load: " << IMG_GetError();
    if (!s) return picture;
    picture.width = s->w;
    picture.height = s->h;
    const int bytes = s->format->BytesPerPixel;
    const auto powerOfTwo = [](int v) { return v > 0 && (v & (v - 1)) == 0; };
    EXPECT_TRUE(bytes == 3 || bytes == 4) << file << ": " << bytes << " bytes per pixel";
    EXPECT_TRUE(powerOfTwo(s->w) && powerOfTwo(s->h)) << file << " is " << s->w << "x" << s->h;
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) {
            Uint32 value = 0;
            std::memcpy(&value, static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bytes, std::size_t(bytes));
            Rgba& p = picture.pixels.emplace_back();
            SDL_GetRGBA(value, s->format, &p.r, &p.g, &p.b, &p.a);
        }
    return picture;
}

}  // namespace content
