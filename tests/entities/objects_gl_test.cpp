// The level objects on a real OpenGL frame: which cell each shows and which way round, the
// blower's box as it rears up, the fading bumper's end, and a minute of play with every kind.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <array>

#include "entities/bubble_blower.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/thrower.hpp"
#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"
#include "world/level_file.hpp"

using namespace testing_support;

namespace {

// A sheet of 8 x 8 texels, each 64 sheet units wide, coloured by its column and row, so a pixel
// on screen tells which texel of the sheet was drawn there: read back as column x 10 + row.
constexpr int probeTexels = 8;

class ObjectsGlTest : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        viewRect = Rect{0, 0, 800, 600};
        probeSheet = plainTexture(probeTexels, probeTexels,
                                  [](int column, int row) { return Rgb{column * 32 + 16, row * 32 + 16, 200}; });
        for (std::uint32_t& sheet : engine.textures->kuva) {
            sheet = probeSheet;
        }
    }
    void TearDown() override
    {
        glDeleteTextures(1, &probeSheet);
        ObjectTest::TearDown();
    }

    void drawOnly(Entity& entity)
    {
        clearFrame();
        beginOverlay();
        entity.draw(&engine);
        endOverlay();
    }
    static int texelAt(int x, int y)
    {
        const Rgb pixel = pixelAt(x, y);
        return pixel[0] / 32 * 10 + pixel[1] / 32;
    }
    // The texels just inside the top-left and the bottom-right corner of a box on screen.
    static int topLeftTexel(float x, float y) { return texelAt(static_cast<int>(x) + 3, static_cast<int>(y) + 3); }
    static int bottomRightTexel(float right, float bottom)
    {
        return texelAt(static_cast<int>(right) - 4, static_cast<int>(bottom) - 4);
    }

    GlTestWindow window;
    GLuint probeSheet = 0;
};

TEST_F(ObjectsGlTest, TheThrowerAndTheBlowerShowTheirCellsFacingTheWayTheyGo)
{
    Thrower thrower(100, 100);
    struct Case {
        std::uint32_t now;
        std::uint32_t frameCount;
        bool movingRight;
        int topLeft;
        int bottomRight;
    };
    // Cells 256 x 170 in a column at x 0: texels 0..3 across; rows 0, 1, 2 start at 0, 170, 340.
    const Case cases[] = {
        {500, 1, false, 35, 7},    // standing: the throwing pose, mirrored
        {2000, 14, true, 2, 35},   // walking right, stride
        {2000, 15, false, 30, 2},  // walking left, the other pose
    };
    for (const Case& c : cases) {
        at(c.now, c.frameCount);
        thrower.movingRight = c.movingRight;
        drawOnly(thrower);
        EXPECT_EQ(topLeftTexel(100, 100), c.topLeft) << c.now << " ms, frame " << c.frameCount;
        EXPECT_EQ(bottomRightTexel(175, 150), c.bottomRight) << c.now << " ms, frame " << c.frameCount;
    }
    BubbleBlower blower(300, 200);
    at(3000, 0);
    drawOnly(blower);
    EXPECT_EQ(topLeftTexel(300, 200), 10) << "walking left: the first cell's right edge first";
}

TEST_F(ObjectsGlTest, TheBlowerRearsUpInItsDrawAndKeepsItsLastSizeOffScreen)
{
    BubbleBlower blower(300, 200);
    struct Case {
        std::uint32_t msInCycle;
        std::uint32_t frameCount;
        float height;
        float y;
        int topLeft;  // facing right: cell c of row r starts at texel (2c, 4r)
    };
    const Case cases[] = {
        {500, 6, 182, 200, 24},    // idle, second cell
        {1380, 1, 256, 126, 64},   // reared up
        {2701, 1, 220, 126, 44},   // sinking, still lifted
        {3000, 21, 182, 200, 60},  // walking, fourth cell
    };
    const std::uint32_t start = 10000;
    blower.cycleStart = start;
    blower.movingRight = true;
    for (const Case& c : cases) {
        at(start + c.msInCycle, c.frameCount);
        drawOnly(blower);
        EXPECT_EQ(blower.height, c.height) << c.msInCycle << " ms into the cycle";
        EXPECT_EQ(blower.position.y, c.y) << c.msInCycle << " ms into the cycle";
        EXPECT_EQ(topLeftTexel(300, blower.position.y), c.topLeft) << c.msInCycle << " ms into the cycle";
    }
    at(start + 1500, 1);
    viewRect.x = 5000;
    drawOnly(blower);
    EXPECT_EQ(blower.height, 182.0f) << "off screen nothing changes";
}

TEST_F(ObjectsGlTest, TheDropperHangsTheVentsPictureUpsideDown)
{
    world.spawnObject(100, 100, typeId(EntityType::BubbleVent));
    world.spawnObject(100, 100, typeId(EntityType::Dropper));
    drawOnly(**world.objects.begin());
    EXPECT_EQ(topLeftTexel(130, 130), 0);
    drawOnly(**++world.objects.begin());
    EXPECT_EQ(topLeftTexel(130, 55), 77);
}

TEST_F(ObjectsGlTest, AFadingBumperGoesOnlyOnScreenAndOnlyOnceItsTouchIsPast1800Ms)
{
    StandInHat hat(0, 0);
    StandInHat notAHat(0, 0);
    notAHat.type = typeId(EntityType::Bumper);
    const std::uint32_t touch = 20000;
    FadingBumper onScreen(100, 100);
    at(touch - 500);
    onScreen.collide(&engine, nullptr, world.level.get());
    onScreen.collide(&engine, &notAHat, world.level.get());
    EXPECT_EQ(onScreen.touchedAt, FadingBumper::notTouched) << "only the hat's touch counts";
    at(touch);
    onScreen.collide(&engine, &hat, world.level.get());
    at(touch + 100);
    onScreen.collide(&engine, &hat, world.level.get());
    EXPECT_EQ(onScreen.touchedAt, touch) << "only the first touch counts";
    at(touch + 1799);
    drawOnly(onScreen);
    EXPECT_TRUE(onScreen.alive) << "kept at 1799 ms";
    at(touch + 1801);
    drawOnly(onScreen);
    EXPECT_FALSE(onScreen.alive) << "gone by 1801 ms";

    FadingBumper offScreen(100, 100);
    at(touch);
    offScreen.collide(&engine, &hat, world.level.get());
    viewRect.x = 5000;
    at(touch + 5000);
    drawOnly(offScreen);
    EXPECT_TRUE(offScreen.alive) << "off screen it does not shrink away";
    viewRect.x = 0;
    drawOnly(offScreen);
    EXPECT_FALSE(offScreen.alive) << "back on screen, long past its time";
}

TEST_F(ObjectsGlTest, AMinuteOfPlayWithEveryKindStaysBoundedAndRemovesWhatItMakes)
{
    LevelFile file;
    for (int column = 0; column < Level::columns; ++column) {
        file.set(LevelFile::Grid::Terrain, column, 23, 1).set(LevelFile::Grid::Terrain, column, 24, 1);
    }
    const std::array<std::array<int, 3>, 8> placed{{
        // column, row, type id (the file stores it plus one)
        {2, 15, 0}, {5, 20, 2}, {15, 8, 3}, {35, 17, 4}, {50, 2, 5}, {70, 10, 6}, {75, 10, 7}, {90, 15, 1},
    }};
    for (const auto& object : placed) {
        file.set(LevelFile::Grid::Objects, object[0], object[1], object[2] + 1);
    }
    file.write("map.mp");
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(world.level->load("map.mp"), 0);
    ::testing::internal::GetCapturedStdout();
    auto* hat = place(new StandInHat(0, 330));

    const std::array<EntityType, 3> products{EntityType::Item, EntityType::RisingBubble, EntityType::BlownBubble};
    std::array<std::size_t, 3> mostAlive{};
    int mostEntities = 0;
    const std::uint32_t frames = 60 * 1000 / 16;
    for (std::uint32_t frame = 0; frame < frames; ++frame) {
        engine.timer->tick();
        // Sweeps the level's left part again and again, through everything placed there.
        hat->position.set(static_cast<float>(frame * 4 % 3200), 330.0f, 0.0f);
        world.update(&engine);
        const Rect view = hat->getViewRect();
        viewRect.x = std::clamp(view.x, 0, 12000 - 800);
        viewRect.y = std::clamp(view.y, 0, 800 - 600);
        clearFrame();
        beginOverlay();
        world.draw(&engine);
        endOverlay();
        for (std::size_t i = 0; i < products.size(); ++i) {
            mostAlive[i] = std::max(mostAlive[i], ofType(products[i]).size());
        }
        mostEntities = std::max(mostEntities, world.objects.size());
    }
    EXPECT_EQ(engine.timer->lastTicks, frames * 16u) << "exact 16 ms frames";
    for (std::size_t i = 0; i < products.size(); ++i) {
        EXPECT_GT(mostAlive[i], 0u) << typeId(products[i]) << " was never made";
        EXPECT_LE(mostAlive[i], 8u) << typeId(products[i]) << " piles up";
    }
    EXPECT_LE(mostEntities, 30);
    EXPECT_TRUE(ofType(EntityType::FadingBumper).empty()) << "the swept fading bumper is gone";
    EXPECT_EQ(ofType(EntityType::Bumper).size(), 1u);
}

}  // namespace
