// The level objects on a real OpenGL frame: which cell each shows and which way round, the
// blower's box as it rears up, the fading bumper's end, and a minute of play with every kind.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <algorithm>
#include <array>
#include <map>

#include "entities/bubble_blower.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/thrower.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "object_test.hpp"
#include "stand_in_hat.hpp"
#include "world/level_file.hpp"

using namespace testing_support;

namespace {

// A sheet of 8 x 8 texels, each 64 sheet units wide, coloured by its column and row, so a pixel
// on screen tells which part of the sheet was drawn there.
constexpr int probeTexels = 8;

struct Texel {
    int column;
    int row;
    bool operator==(const Texel& other) const { return column == other.column && row == other.row; }
};

std::ostream& operator<<(std::ostream& out, const Texel& texel)
{
    return out << "(" << texel.column << ", " << texel.row << ")";
}

class ObjectsGlTest : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        ::testing::internal::CaptureStdout();
        initVideo("objects", 800, 600, 32, false);
        initGL(800, 600);
        ::testing::internal::GetCapturedStdout();
        viewRect = Rect{0, 0, 800, 600};
        probeSheet = makeProbeSheet();
        for (std::uint32_t& sheet : engine.textures->kuva) {
            sheet = probeSheet;
        }
    }
    void TearDown() override
    {
        glDeleteTextures(1, &probeSheet);
        SDL_Quit();
        ObjectTest::TearDown();
    }

    static GLuint makeProbeSheet()
    {
        std::array<std::uint8_t, probeTexels * probeTexels * 3> pixels{};
        for (int row = 0; row < probeTexels; ++row) {
            for (int column = 0; column < probeTexels; ++column) {
                const auto at = static_cast<std::size_t>((row * probeTexels + column) * 3);
                pixels[at] = static_cast<std::uint8_t>(column * 32 + 16);
                pixels[at + 1] = static_cast<std::uint8_t>(row * 32 + 16);
                pixels[at + 2] = 200;
            }
        }
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, probeTexels, probeTexels, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        return name;
    }

    void drawOnly(Entity& entity)
    {
        clearFrame();
        beginOverlay();
        entity.draw(&engine);
        endOverlay();
    }
    static Texel texelAt(int x, int yFromTop)
    {
        std::array<std::uint8_t, 4> rgba{};
        glReadPixels(x, 600 - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return {rgba[0] / 32, rgba[1] / 32};
    }
    // The sheet texels just inside the top-left and bottom-right corners of a box on screen.
    static std::pair<Texel, Texel> cornerTexels(float x, float y, float w, float h)
    {
        const int left = static_cast<int>(x) + 3;
        const int top = static_cast<int>(y) + 3;
        return {texelAt(left, top), texelAt(static_cast<int>(x + w) - 4, static_cast<int>(y + h) - 4)};
    }

    GLuint probeSheet = 0;
};

TEST_F(ObjectsGlTest, TheThrowerShowsItsPoseCellsFacingTheWayItWalks)
{
    Thrower thrower(100, 100);
    struct Case {
        std::uint32_t now;
        std::uint32_t frameCount;
        bool movingRight;
        Texel topLeft;
        Texel bottomRight;
    };
    // Cells 256 x 170 in a column at x 0: sheet texels 0..3 across; rows 0, 1, 2 start at 0, 170, 340.
    const Case cases[] = {
        {500, 1, true, {0, 5}, {3, 7}},     // standing: the throwing pose
        {500, 1, false, {3, 5}, {0, 7}},    // mirrored
        {2000, 14, true, {0, 2}, {3, 5}},   // walking, stride
        {2000, 15, false, {3, 0}, {0, 2}},  // walking, the other pose, mirrored
    };
    for (const Case& c : cases) {
        at(c.now, c.frameCount);
        thrower.movingRight = c.movingRight;
        drawOnly(thrower);
        const auto corners = cornerTexels(100, 100, 75, 50);
        EXPECT_EQ(corners.first, c.topLeft) << c.now << " ms, frame " << c.frameCount << ", right " << c.movingRight;
        EXPECT_EQ(corners.second, c.bottomRight) << c.now << " ms, frame " << c.frameCount;
    }
}

TEST_F(ObjectsGlTest, TheBlowerRearsUpInItsDrawAndKeepsItsLastSizeOffScreen)
{
    BubbleBlower blower(300, 200);
    struct Case {
        std::uint32_t msInCycle;
        std::uint32_t frameCount;
        float height;
        float y;
        Texel topLeft;  // facing right: cell c of row r starts at texel (2c, 4r)
    };
    const Case cases[] = {
        {500, 6, 182, 200, {2, 4}},      // idle, second cell
        {1080, 1, 220, 162, {4, 4}},     // rising
        {1380, 1, 256, 126, {6, 4}},     // reared up
        {2700, 1, 256, 126, {6, 4}},
        {2701, 1, 220, 126, {4, 4}},     // sinking, still lifted
        {2999, 1, 220, 126, {4, 4}},
        {3000, 21, 182, 200, {6, 0}},    // walking, fourth cell
    };
    const std::uint32_t start = 10000;
    blower.cycleStart = start;
    blower.movingRight = true;
    for (const Case& c : cases) {
        at(start + c.msInCycle, c.frameCount);
        drawOnly(blower);
        EXPECT_EQ(blower.height, c.height) << c.msInCycle << " ms into the cycle";
        EXPECT_EQ(blower.position.y, c.y) << c.msInCycle << " ms into the cycle";
        EXPECT_EQ(cornerTexels(300, blower.position.y, 128, blower.height).first, c.topLeft) << c.msInCycle;
    }
    blower.movingRight = false;
    at(start + 3000, 0);
    drawOnly(blower);
    EXPECT_EQ(cornerTexels(300, 200, 128, 182).first, (Texel{1, 0})) << "mirrored: the cell's right edge first";

    at(start + 1500, 1);
    viewRect.x = 5000;
    drawOnly(blower);
    EXPECT_EQ(blower.height, 182.0f) << "off screen nothing changes";
}

TEST_F(ObjectsGlTest, TheDropperHangsTheVentsPictureUpsideDown)
{
    at(100);
    world.spawnObject(100, 100, typeId(EntityType::BubbleVent));
    world.spawnObject(100, 100, typeId(EntityType::Dropper));
    Entity* vent = *world.objects.begin();
    Entity* dropper = *++world.objects.begin();
    drawOnly(*vent);
    EXPECT_EQ(cornerTexels(130, 130, 420, 420).first, (Texel{0, 0}));
    drawOnly(*dropper);
    EXPECT_EQ(cornerTexels(130, 55, 420, 420).first, (Texel{7, 7}));
}

TEST_F(ObjectsGlTest, AFadingBumperGoesOnlyOnScreenAndOnlyOnceItsTouchIsPast1800Ms)
{
    StandInHat hat(0, 0);
    const std::uint32_t touch = 20000;
    FadingBumper onScreen(100, 100);
    at(touch);
    onScreen.collide(&engine, &hat, world.level.get());
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
    TempDir dir;
    file.write("map.mp");
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(world.level->load("map.mp"), 0);
    ::testing::internal::GetCapturedStdout();
    auto* hat = place(new StandInHat(0, 330));

    std::map<std::int32_t, int> mostAlive;
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

        std::map<std::int32_t, int> alive;
        for (const Entity* entity : world.objects) {
            ++alive[entity->type];
        }
        for (const auto& [type, count] : alive) {
            mostAlive[type] = std::max(mostAlive[type], count);
        }
        mostEntities = std::max(mostEntities, world.objects.size());
    }
    EXPECT_EQ(engine.timer->lastTicks, frames * 16u) << "exact 16 ms frames";
    for (EntityType made : {EntityType::Item, EntityType::RisingBubble, EntityType::BlownBubble}) {
        EXPECT_GT(mostAlive[typeId(made)], 0) << typeId(made) << " was never made";
        EXPECT_LE(mostAlive[typeId(made)], 8) << typeId(made) << " piles up";
    }
    EXPECT_LE(mostEntities, 30);
    EXPECT_EQ(mostAlive[typeId(EntityType::FadingBumper)], 1);
    for (const Entity* entity : world.objects) {
        EXPECT_NE(entity->type, typeId(EntityType::FadingBumper)) << "the swept fading bumper is gone";
    }
}

}  // namespace
