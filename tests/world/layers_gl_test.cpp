// The level layers and the world's draw order on a real OpenGL frame, read back pixel by pixel.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <utility>

#include "engine/game_engine.hpp"
#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "states/menu_state.hpp"
#include "support/probe_entity.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using namespace testing_support;

namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb blue{0, 0, 255};

// Paints its 100 x 100 box at (200, 200) in one colour, so what covers it can be seen.
class PaintedProbe : public ProbeEntity {
public:
    PaintedProbe(GLuint paint, Journal* calls) : ProbeEntity("A", 200, 200, 100, calls), texture(paint) {}
    void draw(GameEngine* engine) override
    {
        ProbeEntity::draw(engine);
        drawSprite({200, 200, 100, 100}, texture, {0, 0, 1, 1}, 0.0f, 1.0f);
    }
    GLuint texture;
};

class LayersGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.initHeadless();
        engine.state = std::make_unique<MenuState>();  // never started: the world reads only whether it is active
        viewRect = Rect{0, 0, 800, 600};
        beginOverlay();
    }
    void TearDown() override { endOverlay(); }

    // Textures go with the window's context.
    static GLuint plain(const Rgb& colour)
    {
        return plainTexture(1, 1, [colour](int, int) { return colour; });
    }
    void load(const LevelFile& file)
    {
        file.write("map.mp");
        logOf([&] { world.level->load("map.mp"); });
    }
    static void expectNear(const Rgb& seen, const Rgb& wanted, const char* where)
    {
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_NEAR(seen[i], wanted[i], 3) << where << ", channel " << i;
    }

    GlTestWindow window;
    GameEngine engine;
    Journal journal;
    World world;
};

TEST_F(LayersGlTest, BackgroundIsDrawnWithItsStylesTint)
{
    engine.textures->jee[0] = plain(red);
    engine.textures->jee[4] = plain({255, 255, 255});
    // Styles outside the table fall back to the first picture with the common grey.
    const std::pair<int, Rgb> styles[] = {{4, {77, 26, 0}}, {9, {51, 0, 0}}, {-1, {51, 0, 0}}};
    for (const auto& [style, seen] : styles) {
        SCOPED_TRACE(style);
        world.level->backgroundStyle = style;
        world.level->drawBackground(&engine);
        expectNear(pixelAt(400, 300), seen, "background");
    }
}

// Pieces placed later in the walk lie under earlier ones.
TEST_F(LayersGlTest, EarlierPiecesLieOnTopAndEffectsThenEntitiesDrawBetweenLevelAndForegroundUnlessPaused)
{
    engine.textures->jee[0] = plain({0, 0, 0});
    engine.textures->foreground[0] = plain({0, 255, 0});
    engine.textures->collision[2] = plain(red);
    engine.textures->collision[30] = plain(blue);
    using Grid = LevelFile::Grid;  // the foreground piece is 256 x 256 at the top-left
    load(LevelFile().set(Grid::Foreground, 0, 0, 1).set(Grid::Pieces, 0, 12, 3).set(Grid::Pieces, 1, 12, 31));
    world.add(new PaintedProbe(plain(blue), &journal));
    // Embers, whose tint at birth is half red, no blue: on the piece, half under the box, under the foreground.
    engine.textures->effect = plain({255, 255, 255});
    for (const auto& [x, y] : {std::pair{32, 416}, std::pair{300, 300}, std::pair{100, 100}})
        engine.effects->spawn(x, y, 2, engine.timer->lastTicks, 0.0f);
    const auto ember = [](const Rgb& seen) { return seen[0] > 100 && seen[0] < 150 && seen[2] == 0; };

    // What a state draws under the objects (the ghost) comes before them, and only while it runs.
    const auto underObjects = [this] { journal.push_back("under"); };
    engine.state->pause();
    world.draw(&engine, underObjects);
    EXPECT_TRUE(journal.empty()) << "paused: only the level layers";
    expectNear(pixelAt(280, 280), {0, 0, 0}, "no entity while paused");
    expectNear(pixelAt(16, 400), red, "column 0 alone");
    expectNear(pixelAt(48, 400), red, "overlap: column 0 on top");
    expectNear(pixelAt(80, 400), blue, "column 1 alone");
    expectNear(pixelAt(310, 310), {0, 0, 0}, "no effect while paused");

    engine.state->resume();
    world.draw(&engine, underObjects);
    EXPECT_EQ(journal, (Journal{"under", "A draw"}));
    expectNear(pixelAt(280, 280), blue, "the entity");
    expectNear(pixelAt(220, 220), {0, 255, 0}, "the foreground over it");
    EXPECT_TRUE(ember(pixelAt(32, 416)) && ember(pixelAt(310, 310))) << "effects over the level's pieces";
    expectNear(pixelAt(290, 290), blue, "the entity over the effect");
    expectNear(pixelAt(100, 100), {0, 255, 0}, "the foreground over the effect");
}

}  // namespace
