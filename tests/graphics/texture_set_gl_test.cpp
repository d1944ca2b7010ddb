// Images loaded into textures: what is refused, what is uploaded, the start-up log of a whole and a gappy ./data.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <array>
#include <cstdio>

#include "graphics/gl_test_window.hpp"
#include "graphics/texture_set.hpp"
#include "support/engine_test.hpp"

using namespace testing_support;

namespace {

constexpr GLuint namesToScan = 4096;
const Rgb loadingColour{200, 40, 40};

// The numbered images in the order they are loaded.
std::vector<std::string> numberedPaths()
{
    const std::pair<const char*, int> families[] = {{"kuva", 40},    {"jee", 5},        {"foreground", 12},
                                                    {"parallax", 5}, {"collision", 50}, {"effect", 1}};
    std::vector<std::string> paths;
    for (const auto& [family, count] : families) {
        for (int n = 1; n <= count; ++n) paths.push_back("./data/" + std::string(family) + std::to_string(n) + ".png");
    }
    return paths;
}

// The start-up log's lines for the numbered images; a missing one's failure line comes before its path.
std::string loadingLines(const std::string& missing = "")
{
    std::string lines = " Loading textures.. \n";
    for (const std::string& path : numberedPaths()) {
        lines += (path == missing ? "  Failed to load " + path + "\n" : "") + path + "\n";
    }
    return lines + " done.\n Building fonts.. done.\n";
}

int liveNames(GLboolean (*isLive)(GLuint))
{
    int live = 0;
    for (GLuint name = 1; name <= namesToScan; ++name) live += isLive(name) ? 1 : 0;
    return live;
}

// Width, height, format and wrap modes of the bound texture.
std::array<GLint, 5> uploaded()
{
    std::array<GLint, 5> seen{};
    const GLenum sizes[] = {GL_TEXTURE_WIDTH, GL_TEXTURE_HEIGHT, GL_TEXTURE_INTERNAL_FORMAT};
    for (std::size_t i = 0; i < 3; ++i) glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, sizes[i], &seen[i]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &seen[3]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &seen[4]);
    return seen;
}

TEST(LoadTextureGlTest, RgbAndRgbaImagesGoUpAtTheirOwnSizeAndFormatAndOthersAreRefused)
{
    GlTestWindow window;
    std::string log;
    const auto load = [&log](const char* path) {
        std::uint32_t name = 0;
        log = logOf([&] { name = loadTexture(path); });
        return name;
    };
    // The level background tiles by repeating.
    writePng("rgb.png", 512, 512, 3, std::vector<std::uint8_t>(512 * 512 * 3, 90));
    ASSERT_NE(load("rgb.png"), 0u);
    EXPECT_EQ(log, "");
    EXPECT_EQ(uploaded(), (std::array<GLint, 5>{512, 512, GL_RGB, GL_REPEAT, GL_REPEAT}));
    writePng("rgba.png", 256, 128, 4, std::vector<std::uint8_t>(256 * 128 * 4, 90));
    ASSERT_NE(load("rgba.png"), 0u);
    EXPECT_EQ(uploaded(), (std::array<GLint, 5>{256, 128, GL_RGBA, GL_REPEAT, GL_REPEAT}));

    // Rows of an odd width are padded in the surface; the texture must still hold the image as stored.
    const std::vector<std::uint8_t> pixels{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    writePng("odd.png", 3, 2, 3, pixels);
    ASSERT_NE(load("odd.png"), 0u);
    std::vector<std::uint8_t> stored(pixels.size());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, stored.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    EXPECT_EQ(stored, pixels);

    // Other images give no texture and no log line.
    writePalettedPng("paletted.png", 8, 8);
    writePng("grey.png", 8, 8, 1, std::vector<std::uint8_t>(64, 128));
    for (const char* path : {"paletted.png", "grey.png"}) {
        EXPECT_EQ(load(path), 0u) << path;
        EXPECT_EQ(log, "") << path;
    }
    EXPECT_EQ(liveNames(glIsTexture), 3) << "only the three images above hold a texture";
}

using TextureStartGlTest = EngineTest;

TEST_F(TextureStartGlTest, CompleteDataFillsEverySlotInFamilyOrderAndASecondInitWithAGapGivesTheFirstBack)
{
    std::vector<std::string> paths = numberedPaths();
    paths.insert(paths.end(), {"./data/icon.png", "./data/font.png", "./data/flare_white.png"});
    for (const std::string& path : paths) writePng(path, 4, 2, 4, std::vector<std::uint8_t>(32, 255));
    writeSheet("./data/load.png", 8, 8, [](int, int) { return loadingColour; });
    start();  // the log of a whole ./data is compared line for line by the end-to-end start test
    // The loading picture is what the window shows while the images load.
    EXPECT_TRUE(shownPixelAt(20, 20) == loadingColour && shownPixelAt(265, 73) == loadingColour);
    EXPECT_EQ(shownPixelAt(266, 40), (Rgb{0, 0, 0}));

    const auto live = [] { return std::make_pair(liveNames(glIsTexture), liveNames(glIsList)); };
    EXPECT_EQ(live(), std::make_pair(116, 256));
    // A second init, what the fullscreen switch runs (windowed: Xvfb has no other mode); a missing image
    // is logged and leaves only its slot empty.
    std::remove("./data/kuva7.png");
    start();
    EXPECT_EQ(live(), std::make_pair(115, 256)) << "the first textures and font lists were given back";
    EXPECT_NE(log.find(loadingLines("./data/kuva7.png")), std::string::npos) << log;
    EXPECT_TRUE(engine.textures->kuva[6] == 0 && engine.textures->kuva[7] != 0);
    // Pictures are named by their file number, and a number outside the family names none.
    const TextureSet& set = *engine.textures;
    EXPECT_TRUE(kuvaPicture(set, 7) == 0 && kuvaPicture(set, 8) == set.kuva[7] && kuvaPicture(set, 40) == set.kuva[39]);
    EXPECT_TRUE(kuvaPicture(set, 0) == 0 && kuvaPicture(set, 41) == 0 && kuvaPicture(set, -1) == 0);
    EXPECT_TRUE(glIsList(engine.textures->fontBase) && glIsList(engine.textures->fontBase + 255));
}

}  // namespace
