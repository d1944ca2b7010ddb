// The level objects: the emitters' intervals and the walkers' cycles with what they make and where,
// the rules that act only in view, the items' random start, landing and sounds, and the blown
// bubbles' drift.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>
#include <utility>

#include "entities/blown_bubble.hpp"
#include "entities/bubble_blower.hpp"
#include "entities/dropped_item.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/thrower.hpp"
#include "entities/thrown_item.hpp"
#include "object_test.hpp"

using namespace testing_support;

namespace {

using EmitterTest = ObjectTest;
using ThrowerTest = ObjectTest;
using BlowerTest = ObjectTest;

TEST_F(EmitterTest, EmitsStrictlyAfterEachIntervalAtItsMouth)
{
    // Placed at (96, 64). Vent: a bubble centred at (centre x + 30, top + 75); dropper: an item
    // centred at (centre x, top + 300).
    const struct {
        EntityType kind, product;
        std::uint32_t interval;
        float productX, productY;
    } cases[] = {{EntityType::BubbleVent, EntityType::RisingBubble, 2500, 96 + 225 + 30 - 20, 64 + 75 - 20},
                 {EntityType::Dropper, EntityType::Item, 1500, 96 + 225 - 40, 64 + 300 - 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(typeId(c.kind));
        world.clear();
        world.spawnObject(96, 64, typeId(c.kind));
        const std::uint32_t i = c.interval;
        EXPECT_EQ(madeBy(**world.objects.begin(), c.product, {{i, 1}, {i + 1, 1}, {2 * i + 1, 1}, {2 * i + 2, 1}}),
                  (std::vector<std::size_t>{0, 1, 0, 1}))
            << "strictly after each interval, counted from the last emission";
        const Entity& first = *ofType(c.product).front();
        EXPECT_EQ(std::pair(first.position.x, first.position.y), std::pair(c.productX, c.productY));
    }
}

TEST_F(ThrowerTest, ThrowsOncePerCycleFromBehindAndTurnsAtEachCycleFromPast4500On)
{
    Thrower& thrower = *place(new Thrower(400, 300));
    const auto throwsAt = [&](std::uint32_t now) { return madeBy(thrower, EntityType::Item, now); };
    const SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready() && throwsAt(4500) == 1u);
    // Not yet in a cycle at 4500 ms: walking left, the item leaves int(437.5 + 37) from the box centre (437.5, 325).
    const Entity& item = *ofType(EntityType::Item).back();
    EXPECT_EQ(std::pair(item.getCenterX(), item.getCenterY()), std::pair(474.0f, 325.0f));
    EXPECT_FLOAT_EQ(thrower.position.x, 400.0f - 30.0f * 0.016f);
    EXPECT_EQ(sound.plays(3), 1);

    const float x = thrower.position.x;
    EXPECT_EQ(throwsAt(4501), 0u);
    EXPECT_TRUE(thrower.movingRight && thrower.position.x == x) << "a new cycle begins standing";
    EXPECT_EQ(throwsAt(5501), 0u) << "no throw until strictly after 1000 ms";
    EXPECT_GT(thrower.position.x, x) << "walking from 1000 ms on";

    viewRect.x = 3000;
    const float centreX = thrower.getCenterX();
    ASSERT_EQ(throwsAt(5502), 1u);
    EXPECT_EQ(ofType(EntityType::Item).back()->getCenterX(), static_cast<float>(static_cast<int>(centreX - 37.0f)));
    EXPECT_EQ(sound.totalPlays(), 1) << "a throw off screen is silent";
    for (std::uint32_t now = 5518; now < 9001; now += 16) ASSERT_EQ(throwsAt(now), 0u) << "one throw per cycle";
    throwsAt(9002);
    EXPECT_FALSE(thrower.movingRight);
}

TEST_F(BlowerTest, BlowsOnEveryThirtiethFrameStrictlyInsideItsWindowTheWayItFaces)
{
    BubbleBlower& blower = *place(new BubbleBlower(320, 200));
    const auto phaseOf = [&](std::size_t i) { return static_cast<Bubble*>(ofType(EntityType::BlownBubble)[i])->phase; };
    // A cycle starts strictly after 7500 ms; it blows strictly between 1380 and 2700 ms into it, on
    // frames divisible by 30.
    const std::uint32_t s = 7501;
    EXPECT_EQ(
        madeBy(blower, EntityType::BlownBubble,
               {{7500, 1}, {s, 1}, {s + 1380, 30}, {s + 1381, 31}, {s + 1381, 60}, {s + 2699, 90}, {s + 2700, 120}}),
        (std::vector<std::size_t>{0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(phaseOf(0), 500.0f);
    // Centred on (int(centre x), int(top + 25)); it walked a little before its first cycle.
    const Entity& first = *ofType(EntityType::BlownBubble).front();
    EXPECT_EQ(std::pair(first.position.x, first.position.y),
              std::pair(static_cast<float>(static_cast<int>(blower.getCenterX()) - 20), 200.0f + 25.0f - 20.0f));

    const float x = blower.position.x;
    madeBy(blower, EntityType::BlownBubble, s + 2999);
    EXPECT_EQ(blower.position.x, x) << "still standing";
    madeBy(blower, EntityType::BlownBubble, s + 3000);
    EXPECT_FLOAT_EQ(blower.position.x, x + 40.0f * 0.016f);

    madeBy(blower, EntityType::BlownBubble, s + 7501);
    EXPECT_FALSE(blower.movingRight);
    EXPECT_EQ(madeBy(blower, EntityType::BlownBubble, s + 7501 + 2000, 30), 1u);
    EXPECT_EQ(phaseOf(2), -500.0f);
}

TEST_F(BlowerTest, RearsUpInTheViewPassAndKeepsItsLastSizeOffScreenWhileDrawingChangesNothing)
{
    // The box the hat bounces off grows upwards while it blows.
    BubbleBlower blower(300, 200);
    const std::uint32_t start = 10000;
    blower.cycleStart = start;
    // ms into the cycle, view x, height, top; off screen, nothing changes.
    const int cases[][4] = {
        {500, 0, 182, 200}, {1380, 0, 256, 126}, {2701, 0, 220, 126}, {3000, 0, 182, 200}, {1500, 5000, 182, 200}};
    for (const auto& [ms, viewX, height, top] : cases) {
        at(start + static_cast<std::uint32_t>(ms));
        viewRect.x = viewX;
        blower.updateInView(&engine);
        EXPECT_EQ(std::pair(blower.height, blower.position.y), (std::pair<float, float>(height, top))) << ms << " ms";
    }
    at(start + 1500);
    viewRect.x = 0;
    blower.draw(&engine);
    EXPECT_EQ(blower.height, 182.0f) << "a draw shows the pose, it never takes it";
}

using FadingBumperTest = ObjectTest;

TEST_F(FadingBumperTest, GoesOnlyInTheViewPassOnScreenAndOnlyOnceItsTouchIsPast1800Ms)
{
    StandInHat hat(0, 0), notAHat(0, 0);
    notAHat.type = typeId(EntityType::Bumper);
    const std::uint32_t touch = 20000;
    FadingBumper onScreen(100, 100), offScreen(100, 100);
    // Terrain and other kinds do not count; the hat's first touch does, its later ones do not.
    const std::pair<std::uint32_t, Entity*> touches[] = {
        {touch - 500, nullptr}, {touch - 400, &notAHat}, {touch, &hat}, {touch + 100, &hat}};
    for (const auto& [now, other] : touches) {
        at(now);
        onScreen.collide(&engine, other, world.level.get());
    }
    offScreen.collide(&engine, &hat, world.level.get());
    EXPECT_EQ(onScreen.touchedAt, touch);
    at(touch + 1801);
    onScreen.draw(&engine);
    EXPECT_TRUE(onScreen.alive) << "a draw never ends it";
    for (const std::uint32_t past : {1799u, 1801u}) {
        at(touch + past);
        onScreen.updateInView(&engine);
        EXPECT_EQ(onScreen.alive, past < 1800) << "kept at 1799 ms, gone by 1801";
    }

    at(touch + 5000);
    for (const int viewX : {5000, 0}) {
        viewRect.x = viewX;
        offScreen.updateInView(&engine);
        EXPECT_EQ(offScreen.alive, viewX != 0) << "kept while off screen, gone once back on screen";
    }
}

// rand() % 4 -> spin and sideways speed; the outcome that would be 0 is 0.5 instead.
constexpr float spinOf[4] = {-2.0f, -1.0f, 0.5f, 1.0f};
constexpr float sideSpeedOf[4] = {-50.0f, -25.0f, 12.5f, 25.0f};

using ItemTest = ObjectTest;
using BubbleTest = ObjectTest;

TEST_F(ItemTest, ItemsDrawVariantThenTheThrowsUpwardSpeedThenSpinThenLandOnlyAfterTheGraceTimeAndGoASecondLater)
{
    const auto makeItem = [](bool thrown) -> std::unique_ptr<Projectile> {
        return thrown ? std::unique_ptr<Projectile>(new ThrownItem(300, 200)) : std::make_unique<DroppedItem>(300, 200);
    };
    StandInHat hat(0, 0);
    Level* level = world.level.get();
    for (const bool thrown : {true, false}) {
        SCOPED_TRACE(thrown ? "thrown" : "dropped");
        std::set<int> spinsSeen;
        for (unsigned seed = 1; spinsSeen.size() < 4 && seed < 500; ++seed) {
            SCOPED_TRACE(seed);
            std::unique_ptr<Projectile> item;
            const std::vector<int> r = drawsTakenBy(seed, thrown ? 3 : 2, [&] { item = makeItem(thrown); });
            const int spin = r[thrown ? 2 : 1] % 4;
            EXPECT_EQ(item->variant, r[0] % 3);
            EXPECT_EQ(item->velocityY, thrown ? -150.0f - static_cast<float>(r[1] % 50) : 0.0f);
            EXPECT_EQ(std::pair(item->spin, item->velocityX), std::pair(spinOf[spin], sideSpeedOf[spin])) << spin;
            spinsSeen.insert(spin);
        }
        EXPECT_EQ(spinsSeen.size(), 4u);

        at(1000);
        const auto item = makeItem(thrown);
        at(2500);
        EXPECT_FALSE(item->collide(&engine, nullptr, level)) << "1500 ms is still the grace time";
        at(2501);
        EXPECT_FALSE(item->collide(&engine, &hat, level) || item->landed) << "no object stops an item";
        EXPECT_TRUE(item->collide(&engine, nullptr, level) && item->landedAt == 2501u);
        at(2600);
        EXPECT_FALSE(item->collide(&engine, nullptr, level)) << "lands once";
        at(3501);
        const float y = item->position.y;
        item->update(&engine);
        EXPECT_TRUE(item->alive && item->position.y != y) << "a landed item keeps moving";
        at(3502);
        item->update(&engine);
        EXPECT_FALSE(item->alive);
    }
}

TEST_F(ItemTest, ADroppedItemSoundsOnEveryFrameItTouchesTheHatByItsVariant)
{
    SoundProbe sound(*engine.soundSystem);
    ASSERT_TRUE(sound.ready()) << SDL_GetError();
    auto* hat = place(new StandInHat(100, 100, 300));
    // Three frames each: variant, landed, the hat's x, the sound and its plays. A landed item, and
    // one away from the hat, are silent.
    const std::tuple<std::uint8_t, bool, float, int, int> cases[] = {{0, false, 100, 0, 3},
                                                                     {1, false, 100, 4, 3},
                                                                     {2, false, 100, 4, 3},
                                                                     {0, true, 100, 0, 0},
                                                                     {0, false, 5000, 0, 0}};
    for (const auto& [variant, landed, hatX, effect, plays] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::tuple(int{variant}, landed, hatX)));
        sound.clear();
        hat->position.x = hatX;
        auto* item = place(new DroppedItem(250, 250));
        std::tie(item->variant, item->landed) = std::tie(variant, landed);
        for (std::uint32_t frame = 1; frame <= 3; ++frame) {
            at(frame * 16, frame);
            world.update(&engine);
        }
        EXPECT_EQ(std::pair(sound.plays(effect), sound.totalPlays()), std::pair(plays, plays));
        item->alive = false;
    }
}

TEST_F(BubbleTest, BubblesBlownEitherWayDriftAsFarAndThenStop)
{
    at(0);
    BlownBubble left(3000, 400), right(3000, 400);
    left.phase = -500.0f;
    right.phase = 500.0f;
    for (std::uint32_t now = 16; now < 5000; now += 16) {
        at(now);
        left.update(&engine);
        right.update(&engine);
    }
    EXPECT_TRUE(right.baseX - 2980 > 20 && right.baseX - 2980 < 40) << "about 30 px";
    EXPECT_EQ(2980 - left.baseX, right.baseX - 2980) << "left " << left.baseX << ", right " << right.baseX;
}

}  // namespace
