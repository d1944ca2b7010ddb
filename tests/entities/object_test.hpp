// A headless engine and an empty world on one manual clock, the frame's time set by hand: what
// every level object test stands on; and a stand-in hat for the objects that react to the hat.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "world/world.hpp"

namespace testing_support {

class ObjectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TickSource::install(&clock);
        engine.initHeadless();
    }
    void TearDown() override { TickSource::install(nullptr); }

    // The frame as the timer gives it; constructors read the same time from the clock.
    void at(std::uint32_t now, std::uint32_t frameCount = 1, std::uint32_t frameMs = 16)
    {
        clock.now = now;
        engine.timer->lastTicks = now;
        engine.timer->frameMs = frameMs;
        engine.timer->frameSeconds = static_cast<float>(frameMs) * 0.001f;
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
        for (Entity* entity : world.objects) {
            if (entity->type == typeId(kind)) {
                found.push_back(entity);
            }
        }
        return found;
    }

    ManualClock clock{0};
    GameEngine engine;
    World world;
};

// A solid box of the hat's type: it moves only where the test puts it and keeps what it touched.
class StandInHat : public Entity {
public:
    StandInHat(float x, float y, float size = 50.0f)
    {
        position.set(x, y, 0.0f);
        width = height = size;
        type = typeId(EntityType::Hat);
    }
    void update(GameEngine*) override {}
    bool collide(GameEngine*, Entity* other, Level*) override
    {
        touched.push_back(other);
        return false;
    }

    std::vector<Entity*> touched;
};

}  // namespace testing_support
