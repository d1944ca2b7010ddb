// A hat in a headless engine whose frames are exactly 16 ms, with the sounds it starts heard.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "support/sound_probe.hpp"
#include "support/test_support.hpp"
#include "world/world.hpp"

namespace testing_support {

class HatFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.initHeadless();
        sounds = std::make_unique<SoundProbe>(*engine.soundSystem);
        ASSERT_TRUE(sounds->ready());
        engine.timer->frameMs = 16;
        engine.timer->frameSeconds = 0.016f;
        engine.timer->lastTicks = 10000;
        engine.timer->frameCount = 1;  // neither puffs nor embers fall on this frame number
    }
    void TearDown() override { sounds = nullptr; }

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
    // A second hat, flying in the fixture's world.
    Hat* flyingAt(float x, float y)
    {
        auto* flying = new Hat();
        world.add(flying);
        flying->position.set(x, y, 0.0f);
        return flying;
    }

    TempDir dir;
    GameEngine engine;
    std::unique_ptr<SoundProbe> sounds;
    Hat hat;
    World world;
};

}  // namespace testing_support
