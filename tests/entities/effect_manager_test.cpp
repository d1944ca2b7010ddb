// The effect list: what spawning creates, when effects expire, the switch, and the clock's wrap.
#include <gtest/gtest.h>

#include <typeinfo>

#include "engine/game_engine.hpp"
#include "entities/bubble_effect.hpp"
#include "entities/dust_effect.hpp"
#include "entities/effect_manager.hpp"
#include "entities/ember_effect.hpp"
#include "entities/puff_effect.hpp"
#include "entities/rising_picture_effect.hpp"
#include "entities/shard_effect.hpp"

namespace {

constexpr std::uint32_t now = 20000;

TEST(EffectManagerTest, SpawnCreatesKindsOneToSixCentredAndAnEffectGoesOneMillisecondAfterItsLifetime)
{
    EffectManager manager;
    for (int kind : {0, 7, -1, 100}) {
        manager.spawn(10, 10, kind, now, 0.0f);
    }
    EXPECT_TRUE(manager.effects.empty());

    for (int kind = 1; kind <= 6; ++kind) {
        manager.spawn(400, 300, kind, now, 0.5f);
    }
    ASSERT_EQ(manager.effects.size(), 6u);
    const std::type_info* expected[] = {&typeid(PuffEffect), &typeid(EmberEffect), &typeid(BubbleEffect),
                                        &typeid(DustEffect), &typeid(ShardEffect), &typeid(RisingPictureEffect)};
    for (std::size_t i = 0; i < 6; ++i) {
        const Effect& effect = *manager.effects[i];
        EXPECT_EQ(typeid(effect), *expected[i]);
        EXPECT_FLOAT_EQ(effect.position.x + static_cast<float>(effect.width / 2), 400.0f) << "centred";
        EXPECT_FLOAT_EQ(effect.position.y + static_cast<float>(effect.height / 2), 300.0f);
    }
    EXPECT_FLOAT_EQ(static_cast<const PuffEffect&>(*manager.effects[0]).rotation, 0.5f * 57.29f) << "aimed";

    manager.update(350);
    EXPECT_EQ(manager.effects.size(), 6u) << "the puff is alive at exactly its 350 ms";
    manager.update(1);
    EXPECT_EQ(typeid(*manager.effects[0]), typeid(EmberEffect)) << "and gone 1 ms later";
}

TEST(EffectManagerTest, ExpiredEffectsLeaveAtTheirTurnAndTheRestKeepTheirOrder)
{
    EffectManager manager;
    for (int kind : {4, 1, 5, 1}) {  // dust 1000 ms, puff 350 ms, shard 1800 ms, puff
        manager.spawn(0, 0, kind, now, 0.0f);
    }
    manager.update(400);
    ASSERT_EQ(manager.effects.size(), 2u);
    EXPECT_EQ(typeid(*manager.effects[0]), typeid(DustEffect));
    EXPECT_EQ(typeid(*manager.effects[1]), typeid(ShardEffect));
    EXPECT_EQ(manager.effects[1]->elapsed, 400);
    manager.update(700);
    ASSERT_EQ(manager.effects.size(), 1u);
    EXPECT_EQ(typeid(*manager.effects[0]), typeid(ShardEffect));
    manager.clear();
    EXPECT_TRUE(manager.effects.empty());
}

TEST(EffectManagerTest, SwitchedOffNothingNewAppearsButLivingEffectsRunOut)
{
    EffectManager manager;
    manager.spawn(0, 0, 2, now, 0.0f);  // an ember, 1500 ms
    manager.effectsOff = true;
    for (int kind = 1; kind <= 6; ++kind) {
        manager.spawn(0, 0, kind, now, 0.0f);
    }
    manager.update(1500);
    EXPECT_EQ(manager.effects.size(), 1u);
    manager.update(1);
    EXPECT_TRUE(manager.effects.empty());
}

TEST(EffectManagerTest, EffectsBornJustBeforeTheClockWrapsLiveTheirFullTime)
{
    GameEngine engine;
    engine.initHeadless();
    EffectManager manager;
    manager.spawn(0, 0, 1, 0xFFFFFF00u, 0.0f);
    manager.update(175);
    ASSERT_EQ(manager.effects.size(), 1u);
    EXPECT_NEAR(manager.effects[0]->look(&engine).alpha, 1.0f, 1e-5) << "the puff's fade runs across the wrap";
    manager.update(175);
    EXPECT_EQ(manager.effects.size(), 1u);
    manager.update(1);
    EXPECT_TRUE(manager.effects.empty());
}

}  // namespace
