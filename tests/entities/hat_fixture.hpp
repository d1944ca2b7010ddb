// A hat on the object fixture, its frames exactly 16 ms, with the sounds it starts heard.
#pragma once

#include <algorithm>
#include <memory>

#include "entities/hat.hpp"
#include "object_test.hpp"
#include "support/sound_probe.hpp"
#include "support/test_support.hpp"

namespace testing_support {

class HatFixture : public ObjectTest {
protected:
    void SetUp() override
    {
        ObjectTest::SetUp();
        sounds = std::make_unique<SoundProbe>(*engine.soundSystem);
        ASSERT_TRUE(sounds->ready());
        at(10000);  // frame 1: neither puffs nor embers fall on it
    }
    void TearDown() override
    {
        sounds = nullptr;
        ObjectTest::TearDown();
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
    // A second hat, flying in the fixture's world.
    Hat* flyingAt(float x, float y)
    {
        Hat* flying = place(new Hat());
        flying->position.set(x, y, 0.0f);
        return flying;
    }

    TempDir dir;
    std::unique_ptr<SoundProbe> sounds;
    Hat hat;
};

}  // namespace testing_support
