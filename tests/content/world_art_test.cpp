// The world pictures as the game loads them: present, true colour, sized as they are drawn,
// backgrounds and tiles seamless, terrain solid or free cell by cell, scenery see-through.
#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "world/layer_geometry.hpp"

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

struct Rgba {
    double r, g, b, a;  // 0 to 255
};

Surface loadPicture(const std::string& name) {
    const std::string path = std::string(FEZZLE_DATA_DIR) + "/" + name + ".png";
    return Surface(IMG_Load(path.c_str()));
}

Rgba pixelAt(SDL_Surface* surface, int x, int y) {
    const int bytes = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytes;
    Uint32 value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<Uint32>(p[i]) << (8 * i);
    }
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    return {static_cast<double>(r), static_cast<double>(g), static_cast<double>(b), static_cast<double>(a)};
}

// A picture read into plain pixels, so the checks need no surface locking.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

Picture readPicture(const std::string& name) {
    Picture picture;
    Surface surface = loadPicture(name);
    if (!surface) {
        ADD_FAILURE() << name << ".png does not load: " << IMG_GetError();
        return picture;
    }
    SDL_LockSurface(surface.get());
    picture.width = surface->w;
    picture.height = surface->h;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            picture.pixels.push_back(pixelAt(surface.get(), x, y));
        }
    }
    SDL_UnlockSurface(surface.get());
    return picture;
}

double colourDistance(const Rgba& a, const Rgba& b) {
    return (std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b)) / 3.0;
}

// How much the picture jumps across its wrap-around edge, against how much it changes between
// neighbouring columns (or rows) inside. A seamless tile's edge is like any other step.
struct SeamMeasure {
    double edge;
    double inside;
};

SeamMeasure measureSeam(const Picture& picture, bool acrossColumns) {
    const int along = acrossColumns ? picture.height : picture.width;
    const int across = acrossColumns ? picture.width : picture.height;
    auto pixel = [&](int a, int b) { return acrossColumns ? picture.at(b, a) : picture.at(a, b); };
    double edge = 0.0;
    double inside = 0.0;
    for (int a = 0; a < along; ++a) {
        edge += colourDistance(pixel(a, across - 1), pixel(a, 0));
        for (int b = 0; b + 1 < across; ++b) {
            inside += colourDistance(pixel(a, b), pixel(a, b + 1));
        }
    }
    return {edge / along, inside / (static_cast<double>(along) * (across - 1))};
}

void expectSeamless(const std::string& name, bool acrossColumns) {
    const Picture picture = readPicture(name);
    if (picture.pixels.empty()) {
        return;
    }
    const SeamMeasure seam = measureSeam(picture, acrossColumns);
    // A shape cut at the edge makes the edge step several times the picture's usual step.
    EXPECT_LE(seam.edge, 2.0 * seam.inside + 3.0)
        << name << ": the " << (acrossColumns ? "left and right" : "top and bottom")
        << " edges do not meet (edge step " << seam.edge << ", usual step " << seam.inside << ")";
}

// Mean opacity (0 to 1) of the picture pixels whose centres fall in a rectangle of level pixels.
double coverage(const Picture& picture, double levelW, double levelH, double x0, double y0, double x1, double y1) {
    const double sx = picture.width / levelW;
    const double sy = picture.height / levelH;
    double sum = 0.0;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        const double ly = (y + 0.5) / sy;
        if (ly < y0 || ly >= y1) {
            continue;
        }
        for (int x = 0; x < picture.width; ++x) {
            const double lx = (x + 0.5) / sx;
            if (lx >= x0 && lx < x1) {
                sum += picture.at(x, y).a / 255.0;
                ++count;
            }
        }
    }
    return count == 0 ? 0.0 : sum / count;
}

bool isPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

struct Family {
    const char* prefix;
    int first, last;
    int pixelW, pixelH;  // picture size
    int levelW, levelH;  // size it is drawn at
};

constexpr std::array<Family, 12> families = {{
    //  prefix        first last  pixels     drawn at
    {"jee", 1, 5, 512, 512, 512, 512},
    {"parallax", 1, 1, 256, 256, 200, 200},
    {"parallax", 2, 5, 512, 512, 400, 400},
    {"foreground", 1, 2, 256, 256, 256, 256},
    {"foreground", 3, 12, 512, 512, 400, 400},
    {"collision", 1, 1, 256, 512, 256, 512},
    {"collision", 2, 2, 512, 64, 512, 64},
    {"collision", 3, 3, 64, 64, 64, 64},
    {"collision", 4, 4, 128, 64, 100, 64},
    {"collision", 5, 30, 512, 512, 400, 400},
    {"collision", 31, 40, 64, 64, 64, 64},
    {"collision", 41, 50, 128, 128, 128, 128},
}};

std::string nameOf(const char* prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

constexpr int cellPixels = 32;
constexpr double solidCell = 0.9;
constexpr double freeCell = 0.1;

class WorldArt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { IMG_Init(IMG_INIT_PNG); }
};

}  // namespace

TEST_F(WorldArt, EveryPictureLoadsAsTrueColourAtItsPowerOfTwoSize) {
    for (const Family& family : families) {
        for (int n = family.first; n <= family.last; ++n) {
            const std::string name = nameOf(family.prefix, n);
            Surface surface = loadPicture(name);
            ASSERT_TRUE(surface) << name << ".png is missing or unreadable in " << FEZZLE_DATA_DIR;
            const int bytes = surface->format->BytesPerPixel;
            // The game's loader drops anything but 8-bit RGB and RGBA without a word.
            EXPECT_TRUE(bytes == 3 || bytes == 4) << name << " has " << bytes << " bytes per pixel";
            EXPECT_EQ(surface->format->palette, nullptr) << name << " is paletted";
            EXPECT_EQ(surface->w, family.pixelW) << name;
            EXPECT_EQ(surface->h, family.pixelH) << name;
            EXPECT_TRUE(isPowerOfTwo(surface->w) && isPowerOfTwo(surface->h)) << name;
        }
    }
}

TEST_F(WorldArt, BackgroundsAndFillTilesRepeatWithoutSeams) {
    for (int n = 1; n <= 5; ++n) {
        expectSeamless(nameOf("jee", n), true);
        expectSeamless(nameOf("jee", n), false);
    }
    // Odd numbers are the insides, seamless both ways; even ones carry a surface on top, so they
    // only need to continue sideways.
    for (int n = 31; n <= 50; ++n) {
        expectSeamless(nameOf("collision", n), true);
        if (n % 2 == 1) {
            expectSeamless(nameOf("collision", n), false);
        }
    }
}

TEST_F(WorldArt, BackgroundsKeepContrastUnderTheirDarkTint) {
    for (int n = 1; n <= 5; ++n) {
        const Picture picture = readPicture(nameOf("jee", n));
        if (picture.pixels.empty()) {
            continue;
        }
        const Tint tint = backgroundLook(n - 1).tint;  // as the level draws style n - 1
        double sum = 0.0;
        double squares = 0.0;
        for (const Rgba& p : picture.pixels) {
            const double shown = p.r * tint.r + p.g * tint.g + p.b * tint.b;
            sum += shown;
            squares += shown * shown;
        }
        const double count = static_cast<double>(picture.pixels.size());
        const double mean = sum / count;
        const double spread = std::sqrt(std::max(0.0, squares / count - mean * mean));
        EXPECT_GE(mean, 12.0) << "jee" << n << " all but vanishes under its tint";
        EXPECT_GE(spread, 5.0) << "jee" << n << " shows as a flat wash under its tint";
    }
}

TEST_F(WorldArt, SquareTilesAndBeamsAreOpaqueEdgeToEdge) {
    std::vector<int> numbers = {2, 3};
    for (int n = 31; n <= 50; ++n) {
        numbers.push_back(n);
    }
    for (int n : numbers) {
        const Picture picture = readPicture(nameOf("collision", n));
        int clearPixels = 0;
        for (const Rgba& p : picture.pixels) {
            clearPixels += p.a < 255.0 ? 1 : 0;
        }
        EXPECT_EQ(clearPixels, 0) << "collision" << n << " has see-through pixels";
    }
}

TEST_F(WorldArt, TerrainCellsAreClearlySolidOrClearlyFree) {
    for (const Family& family : families) {
        if (std::string(family.prefix) != "collision" || family.first > 30) {
            continue;
        }
        for (int n = family.first; n <= family.last; ++n) {
            const std::string name = nameOf(family.prefix, n);
            const Picture picture = readPicture(name);
            if (picture.pixels.empty()) {
                continue;
            }
            const int columns = family.levelW / cellPixels;
            const int rows = family.levelH / cellPixels;
            int solidCells = 0;
            for (int row = 0; row < rows; ++row) {
                for (int column = 0; column < columns; ++column) {
                    const double x = column * cellPixels;
                    const double y = row * cellPixels;
                    const double c = coverage(picture, family.levelW, family.levelH, x, y, x + cellPixels,
                                              y + cellPixels);
                    EXPECT_TRUE(c >= solidCell || c <= freeCell)
                        << name << " cell (" << column << ", " << row << ") is " << c * 100 << "% opaque";
                    solidCells += c >= solidCell ? 1 : 0;
                }
            }
            EXPECT_GT(solidCells, 0) << name << " has no solid cell";
            // Sizes that are no multiple of 32 end in a part cell, which must stay clear.
            const double rightStrip = coverage(picture, family.levelW, family.levelH, columns * cellPixels, 0,
                                               family.levelW, family.levelH);
            const double bottomStrip = coverage(picture, family.levelW, family.levelH, 0, rows * cellPixels,
                                                family.levelW, family.levelH);
            EXPECT_LE(rightStrip, 0.02) << name << ": its part cell on the right is not clear";
            EXPECT_LE(bottomStrip, 0.02) << name << ": its part cell at the bottom is not clear";
        }
    }
}

TEST_F(WorldArt, SceneryIsMostlyClearAndFarSceneryIsSeeThrough) {
    for (int n = 1; n <= 12; ++n) {
        const Picture picture = readPicture(nameOf("foreground", n));
        double covered = 0.0;
        for (const Rgba& p : picture.pixels) {
            covered += p.a / 255.0;
        }
        // Drawn over the hat: it may never hide a route.
        EXPECT_LE(covered / std::max<size_t>(1, picture.pixels.size()), 0.25)
            << "foreground" << n << " covers too much of its box";
    }
    for (int n = 1; n <= 5; ++n) {
        const Picture picture = readPicture(nameOf("parallax", n));
        double strongest = 0.0;
        for (const Rgba& p : picture.pixels) {
            strongest = std::max(strongest, p.a);
        }
        // Never fully opaque, so far scenery cannot pass for terrain.
        EXPECT_LE(strongest, 200.0) << "parallax" << n << " has opaque parts";
    }
}

TEST_F(WorldArt, HalfClearPixelsKeepTheirFullColour) {
    // A pale cloud at half opacity: with straight alpha its colour stays pale; a picture saved with
    // premultiplied colour would turn grey and draw as a dark smudge.
    const Picture picture = readPicture("parallax1");
    double brightness = 0.0;
    int count = 0;
    for (const Rgba& p : picture.pixels) {
        if (p.a >= 96.0 && p.a <= 160.0) {
            brightness += (p.r + p.g + p.b) / 3.0;
            ++count;
        }
    }
    ASSERT_GT(count, 100) << "parallax1 has no half-clear cloud to look at";
    EXPECT_GE(brightness / count, 200.0);
}
