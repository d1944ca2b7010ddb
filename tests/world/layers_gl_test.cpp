// The level layers and the world's draw order on a real OpenGL frame, read back pixel by pixel.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "engine/game_engine.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "support/probe_entity.hpp"
#include "support/test_support.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

using Colour = std::array<int, 3>;
constexpr Colour red{255, 0, 0};
constexpr Colour green{0, 255, 0};
constexpr Colour blue{0, 0, 255};
constexpr Colour black{0, 0, 0};

class FixedState : public GameState {
public:
    FixedState() : GameState("FixedState") {}
    void init(GameEngine*) override {}
    void cleanup(GameEngine*) override {}
    void pause() override { active = false; }
    void resume() override { active = true; }
    void handleEvents(GameEngine*) override {}
    void update(GameEngine*) override {}
    void draw(GameEngine*) override {}
};

// Paints its box in plain blue, so what covers it can be seen.
class PaintedProbe : public ProbeEntity {
public:
    using ProbeEntity::ProbeEntity;
    void draw(GameEngine* engine) override
    {
        ProbeEntity::draw(engine);
        const float x = position.x - static_cast<float>(viewRect.x);
        const float y = position.y - static_cast<float>(viewRect.y);
        glDisable(GL_TEXTURE_2D);
        glColor3f(0.0f, 0.0f, 1.0f);
        glBegin(GL_QUADS);
        glVertex2f(x, y);
        glVertex2f(x + width, y);
        glVertex2f(x + width, y + height);
        glVertex2f(x, y + height);
        glEnd();
        glColor3f(1.0f, 1.0f, 1.0f);
    }
};

class LayersGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::testing::internal::CaptureStdout();
        initVideo("layers", 800, 600, 32, false);
        initGL(800, 600);
        ::testing::internal::GetCapturedStdout();
        engine.initHeadless();
        engine.state = std::make_unique<FixedState>();
        viewRect = Rect{0, 0, 800, 600};
        clearFrame();
        beginOverlay();
    }
    void TearDown() override
    {
        endOverlay();
        glDeleteTextures(static_cast<GLsizei>(made.size()), made.data());
        engine.state = nullptr;
        SDL_Quit();
    }

    GLuint plainTexture(const Colour& colour)
    {
        std::array<std::uint8_t, 3> pixel{};
        std::copy(colour.begin(), colour.end(), pixel.begin());
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // one 3-byte pixel
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, pixel.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        made.push_back(name);
        return name;
    }
    void load(const LevelFile& file)
    {
        file.write("map.mp");
        ::testing::internal::CaptureStdout();
        world.level->load("map.mp");
        ::testing::internal::GetCapturedStdout();
    }
    static Colour pixelAt(int x, int yFromTop)
    {
        std::array<std::uint8_t, 4> rgba{};
        glReadPixels(x, 600 - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0], rgba[1], rgba[2]};
    }
    static void expectNear(const Colour& seen, const Colour& wanted, const char* where)
    {
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_LE(std::abs(seen[i] - wanted[i]), 3)
                << where << ": (" << seen[0] << ", " << seen[1] << ", " << seen[2] << ")";
        }
    }

    TempDir dir;
    GameEngine engine;
    Journal journal;
    World world;
    std::vector<GLuint> made;
};

TEST_F(LayersGlTest, PiecesPlacedLaterInTheWalkLieUnderEarlierOnes)
{
    engine.textures->collision[2] = plainTexture(red);
    engine.textures->collision[30] = plainTexture(blue);
    LevelFile file;
    file.set(LevelFile::Grid::Pieces, 0, 0, 3).set(LevelFile::Grid::Pieces, 1, 0, 31);
    load(file);
    world.level->drawPieces(&engine);
    expectNear(pixelAt(16, 16), red, "column 0 alone");
    expectNear(pixelAt(48, 16), red, "overlap: column 0 on top");
    expectNear(pixelAt(80, 16), blue, "column 1 alone");
}

TEST_F(LayersGlTest, BackgroundIsTintedByStyleAndUnknownStylesShowTheFirstPicture)
{
    engine.textures->jee[0] = plainTexture(red);
    engine.textures->jee[4] = plainTexture({255, 255, 255});
    world.level->backgroundStyle = 4;
    world.level->drawBackground(&engine);
    expectNear(pixelAt(400, 300), {77, 26, 0}, "style 4");

    world.level->backgroundStyle = 9;
    world.level->drawBackground(&engine);
    expectNear(pixelAt(400, 300), {51, 0, 0}, "style 9");
}

TEST_F(LayersGlTest, EntitiesDrawOverTheLevelAndUnderTheForegroundAndNotWhilePaused)
{
    engine.textures->jee[0] = plainTexture(black);
    engine.textures->foreground[0] = plainTexture(green);
    LevelFile file;
    file.set(LevelFile::Grid::Foreground, 0, 0, 1);  // 256 x 256 at the top-left
    load(file);
    world.add(new PaintedProbe("A", 200, 200, 100, &journal));

    engine.state->pause();
    world.draw(&engine);
    EXPECT_TRUE(journal.empty()) << "paused: only the level layers";
    expectNear(pixelAt(280, 280), black, "no entity while paused");

    engine.state->resume();
    world.draw(&engine);
    EXPECT_EQ(journal, (Journal{"A draw"}));
    expectNear(pixelAt(280, 280), blue, "the entity");
    expectNear(pixelAt(220, 220), green, "the foreground over it");
}

}  // namespace
