// A hat in a headless engine whose frames are exactly 16 ms, with the sounds it starts heard and its
// effects sorted by kind.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "support/sound_probe.hpp"
#include "support/test_support.hpp"

namespace testing_support {

class HatFixture : public ::testing::Test {
protected:
    static constexpr std::uint32_t frameMs = 16;
    using Plays = std::array<int, SoundSystem::effectCount>;

    void SetUp() override
    {
        engine.initHeadless();
        sounds = std::make_unique<SoundProbe>(*engine.soundSystem);
        ASSERT_TRUE(sounds->ready());
        engine.timer->frameMs = frameMs;
        engine.timer->frameSeconds = 0.016f;
        engine.timer->lastTicks = 10000;
        engine.timer->frameCount = 1;  // neither puffs nor embers fall on this frame number
    }
    void TearDown() override { sounds = nullptr; }

    // The hat's turn as the world takes it, without terrain or neighbours; the frame number stays.
    void frames(int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            engine.timer->lastTicks += frameMs;
            hat.savePosition(&engine);
            hat.update(&engine);
        }
    }
    template <typename Kind>
    int effectsOf() const
    {
        int found = 0;
        for (const auto& effect : engine.effects->effects) {
            found += dynamic_cast<const Kind*>(effect.get()) != nullptr ? 1 : 0;
        }
        return found;
    }
    std::size_t effectCount() const { return engine.effects->effects.size(); }
    Plays heard() const
    {
        Plays all{};
        for (int effect = 0; effect < SoundSystem::effectCount; ++effect) {
            all[static_cast<std::size_t>(effect)] = sounds->plays(effect);
        }
        return all;
    }
    static Plays onlyPlayed(int effect)
    {
        Plays all{};
        all[static_cast<std::size_t>(effect)] = 1;
        return all;
    }

    TempDir dir;
    GameEngine engine;
    std::unique_ptr<SoundProbe> sounds;
    Hat hat;
};

}  // namespace testing_support
