// The level objects on a real OpenGL frame: the blower's box and the fading bumper's end, which their
// draws decide, and a minute of play with every kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>

#include "entities/bubble_blower.hpp"
#include "entities/fading_bumper.hpp"
#include "graphics/gl_test_window.hpp"
#include "graphics/sprite.hpp"
#include "graphics/video.hpp"
#include "object_test.hpp"
#include "world/level_file.hpp"

using namespace testing_support;

namespace {

class ObjectsGlTest : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        viewRect = Rect{0, 0, 800, 600};
    }
    void drawOnly(Entity& entity) { drawFrame([&] { entity.draw(&engine); }); }

    GlTestWindow window;
};

TEST_F(ObjectsGlTest, TheBlowerRearsUpInItsDrawAndKeepsItsLastSizeOffScreen)
{
    // The box the hat bounces off grows upwards while it blows; its draw sets it.
    BubbleBlower blower(300, 200);
    const std::uint32_t start = 10000;
    blower.cycleStart = start;
    // ms into the cycle, height, top
    const float cases[][3] = {{500, 182, 200}, {1380, 256, 126}, {2701, 220, 126}, {3000, 182, 200}};
    for (const auto& c : cases) {
        at(start + static_cast<std::uint32_t>(c[0]));
        drawOnly(blower);
        EXPECT_EQ(blower.height, c[1]) << c[0] << " ms into the cycle";
        EXPECT_EQ(blower.position.y, c[2]) << c[0] << " ms into the cycle";
    }
    at(start + 1500);
    viewRect.x = 5000;
    drawOnly(blower);
    EXPECT_EQ(blower.height, 182.0f) << "off screen nothing changes";
}

TEST_F(ObjectsGlTest, AFadingBumperGoesOnlyOnScreenAndOnlyOnceItsTouchIsPast1800Ms)
{
    StandInHat hat(0, 0);
    StandInHat notAHat(0, 0);
    notAHat.type = typeId(EntityType::Bumper);
    const std::uint32_t touch = 20000;
    FadingBumper onScreen(100, 100);
    FadingBumper offScreen(100, 100);
    // Terrain and other kinds do not count; the hat's first touch does, its later ones do not.
    const std::pair<std::uint32_t, Entity*> touches[] = {{touch - 500, nullptr}, {touch - 400, &notAHat},
                                                         {touch, &hat}, {touch + 100, &hat}};
    for (const auto& [now, other] : touches) {
        at(now);
        onScreen.collide(&engine, other, world.level.get());
    }
    offScreen.collide(&engine, &hat, world.level.get());
    EXPECT_EQ(onScreen.touchedAt, touch);
    at(touch + 1799);
    drawOnly(onScreen);
    EXPECT_TRUE(onScreen.alive) << "kept at 1799 ms";
    at(touch + 1801);
    drawOnly(onScreen);
    EXPECT_FALSE(onScreen.alive) << "gone by 1801 ms";

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
    // column, row, type id (the file stores it plus one)
    const int placed[][3] = {{2, 15, 0}, {5, 20, 2}, {15, 8, 3}, {35, 17, 4}, {50, 2, 5}, {70, 10, 6}, {75, 10, 7}, {90, 15, 1}};
    for (const auto& object : placed) {
        file.set(LevelFile::Grid::Objects, object[0], object[1], object[2] + 1);
    }
    file.write("map.mp");
    EXPECT_EQ(logOf([&] { world.level->load("map.mp"); }), "Loaded map.mp\n");
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
        drawFrame([&] { world.draw(&engine); });
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
