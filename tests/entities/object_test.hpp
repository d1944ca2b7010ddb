// What the entity tests stand on: a headless engine and an empty world on one manual clock, the
// frame's time set by hand; a stand-in hat for the objects that react to it; and the real hat.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "engine/manual_clock.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "support/sound_probe.hpp"
#include "support/test_support.hpp"
#include "world/world.hpp"

namespace testing_support {

// Starts an entity or effect with the random sequence restarted from the seed, checks the start took
// exactly `count` draws (by the draw that follows), and gives the draws it had.
template <typename Start>
std::vector<int> drawsTakenBy(unsigned seed, int count, Start start)
{
    GameRandom& random = GameRandom::shared();
    random = GameRandom(seed);
    std::vector<int> draws(static_cast<std::size_t>(count) + 1);
    std::generate(draws.begin(), draws.end(), [&random] { return random.next(); });
    random = GameRandom(seed);
    start();
    EXPECT_EQ(random.next(), draws.back()) << "the start took other than " << count << " draws";
    return draws;
}

class ObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TickSource::install(&clock);
        engine.initHeadless();
        viewRect = Rect{0, 0, 800, 600};
    }
    void TearDown() override { TickSource::install(nullptr); }

    // The frame as the timer gives it; constructors read the same time from the clock.
    void at(std::uint32_t now, std::uint32_t frameCount = 1)
    {
        clock.now = engine.timer->lastTicks = now;
        engine.timer->frameMs = 16;
        engine.timer->frameSeconds = 0.016f;
        engine.timer->frameCount = frameCount;
    }
    template <typename T>
    T* place(T* entity)
    {
        world.add(entity);
        return entity;
    }
    std::vector<Entity*> ofType(EntityType kind) const
    {
        std::vector<Entity*> found;
        std::copy_if(world.objects.begin(), world.objects.end(), std::back_inserter(found),
                     [kind](const Entity* entity) { return entity->type == typeId(kind); });
        return found;
    }
    // How many of the product one update of the entity at `now` makes.
    std::size_t madeBy(Entity& entity, EntityType product, std::uint32_t now, std::uint32_t frameCount = 1)
    {
        at(now, frameCount);
        const std::size_t before = ofType(product).size();
        entity.update(&engine);
        return ofType(product).size() - before;
    }
    // The same for each of a run of frames: (now, frame count).
    std::vector<std::size_t> madeBy(Entity& entity, EntityType product,
                                    std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> frames)
    {
        std::vector<std::size_t> made;
        for (const auto& [now, frameCount] : frames) made.push_back(madeBy(entity, product, now, frameCount));
        return made;
    }

    ManualClock clock{0};
    GameEngine engine;
    World world;
};

// A solid box of the hat's type: it moves only where the test puts it.
class StandInHat : public Entity {
public:
    StandInHat(float x, float y, float size = 50.0f)
    {
        position.set(x, y, 0.0f);
        width = height = size;
        type = typeId(EntityType::Hat);
    }
    void update(GameEngine*) override {}
    bool collide(GameEngine*, Entity*, Level*) override { return false; }
};

// A hat in that world, its frames exactly 16 ms, with the sounds it starts heard.
class HatFixture : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        sounds = std::make_unique<SoundProbe>(*engine.soundSystem);
        ASSERT_TRUE(sounds->ready());
        at(10000);  // frame 1: neither puffs nor embers fall on it
    }

    // The hat's turn as the world takes it, without terrain or neighbours; the frame number stays.
    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            engine.timer->lastTicks += 16;
            hat.savePosition(&engine);
            hat.update(&engine);
        }
    }
    template <typename Kind>
    long effectsOf() const
    {
        const auto& all = engine.effects->effects;
        return std::count_if(all.begin(), all.end(), [](const auto& e) { return dynamic_cast<const Kind*>(e.get()); });
    }
    bool heardOnly(int effect) const { return sounds->plays(effect) == 1 && sounds->totalPlays() == 1; }
    void setVelocity(float x, float y)
    {
        hat.velocityX = x;
        hat.velocityY = y;
    }

    std::unique_ptr<SoundProbe> sounds;
    Hat hat;
};

}  // namespace testing_support
