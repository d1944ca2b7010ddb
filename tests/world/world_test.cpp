// The world's update walk, its factory and start point, when the effects move, and who deletes what when.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "engine/game_engine.hpp"
#include "entities/bubble_blower.hpp"
#include "entities/bubble_vent.hpp"
#include "entities/bumper.hpp"
#include "entities/dropper.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/start_point.hpp"
#include "entities/thrower.hpp"
#include "entities/toilet.hpp"
#include "world/probe_world.hpp"

using namespace testing_support;

namespace {

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override { engine.initHeadless(); }

    // Boxes far apart in open air, unless placed otherwise.
    ProbeEntity* addProbe(const std::string& name, float x = -1.0f)
    {
        auto* probe = new ProbeEntity(name, x >= 0 ? x : 100.0f * float(world.objects.size() + 1), 100, 30, &journal);
        world.add(probe);
        return probe;
    }
    ProbeEntity* addHat()
    {
        auto* hat = new ProbeEntity("hat", 7, 9, 30);
        hat->type = typeId(EntityType::Hat);
        world.add(hat);
        return hat;
    }
    Journal walk()
    {
        journal.clear();
        world.update(&engine);
        return journal;
    }

    GameEngine engine;
    Journal journal;
    ProbeWorld world{&journal};
};

TEST_F(WorldTest, EachTurnSavesUpdatesThenTestsTerrainThenEveryOtherEntity)
{
    ProbeEntity* a = addProbe("A", 100);
    addProbe("B", 120);
    addProbe("C", 400)->position.y = 780;  // its bottom leaves the level
    a->onUpdate = [](ProbeEntity& self) { self.position.x += 5.0f; };
    EXPECT_EQ(walk(), (Journal{"A update", "A hits B", "B update", "B hits A", "C update", "C terrain"}));
    EXPECT_EQ(a->oldPosition.x, 100.0f) << "saved before the update moved it";
}

TEST_F(WorldTest, DeadEntitiesLeaveAtTheirOwnTurnAndStillTouchOthersUntilThen)
{
    ProbeEntity* a = addProbe("A", 100);
    ProbeEntity* b = addProbe("B", 110);
    ProbeEntity* c = addProbe("C");
    addProbe("D");
    a->onUpdate = [c](ProbeEntity& self) {
        self.onUpdate = nullptr;
        c->alive = false;
    };
    b->alive = false;
    // A still meets the dead B; the one after each removed entity still takes its turn.
    EXPECT_EQ(walk(), (Journal{"A update", "A hits B", "B deleted", "C deleted", "D update"}));
    EXPECT_EQ(namesOf(world.objects), (std::vector<std::string>{"A", "D"}));

    ProbeEntity* d = static_cast<ProbeEntity*>(*++world.objects.begin());
    d->onUpdate = [a](ProbeEntity& self) {
        self.onUpdate = nullptr;
        a->alive = false;
    };
    EXPECT_EQ(walk(), (Journal{"A update", "D update"})) << "A's turn was already over";
    EXPECT_EQ(walk(), (Journal{"A deleted", "D update"}));
}

TEST_F(WorldTest, EntitiesSpawnedDuringTheWalkTakeTheirTurnInItAfterAllOlderOnes)
{
    ProbeEntity* a = addProbe("A", 100);
    addProbe("B", 400);
    a->position.y = 0;
    a->onUpdate = [this](ProbeEntity& self) {
        self.onUpdate = nullptr;
        world.add(new ProbeEntity("S", 105, -5, 10, &journal));  // pokes out of the top
    };
    EXPECT_EQ(walk(), (Journal{"A update", "A hits S", "B update", "S update", "S terrain", "S hits A"}));
}

TEST_F(WorldTest, TheFactoryMakesTheKindOfEachLevelFileIdAndTheEffectsMoveOnByTheFrameAfterTheWalk)
{
    World real;  // the game's own factory makes nothing for ids outside the level object kinds
    for (int id : {8, 100, 101, 102, -1, -2, 127}) real.spawnObject(64, 64, id);
    const std::type_info* kinds[] = {&typeid(StartPoint),   &typeid(Toilet),  &typeid(Thrower), &typeid(BubbleVent),
                                     &typeid(BubbleBlower), &typeid(Dropper), &typeid(Bumper),  &typeid(FadingBumper)};
    for (int id = 0; id < 8; ++id) real.spawnObject(64 * id, 320, id);
    ASSERT_EQ(real.objects.size(), 8);
    int id = 0;
    for (const Entity* object : real.objects) {
        EXPECT_TRUE(typeid(*object) == *kinds[id] && object->type == id)
            << "id " << id << ": " << typeid(*object).name();
        ++id;
    }

    // During the walk the effects still stand where they were; after it they have aged by frameMs.
    engine.effects->spawn(400, 300, 3, 0, 0.0f);
    engine.timer->frameMs = 40;
    int agedDuringTheWalk = -1;
    addProbe("A")->onUpdate = [&](ProbeEntity&) { agedDuringTheWalk = engine.effects->effects[0]->elapsed; };
    walk();
    EXPECT_EQ(std::pair(agedDuringTheWalk, engine.effects->effects[0]->elapsed), std::pair(0, 40));
}

TEST_F(WorldTest, TheHatStartsOnTheLastStartPointsCentreAndClearForgetsTheStartPoint)
{
    EXPECT_EQ(addHat()->position.x, 7.0f) << "no start point yet: the hat stays where it was made";

    world.spawnObject(320, 640, typeId(EntityType::StartPoint));
    world.spawnObject(96, 672, typeId(EntityType::StartPoint));
    world.spawnObject(0, 0, typeId(EntityType::Toilet));
    const ProbeEntity* hat = addHat();
    EXPECT_EQ(std::pair(hat->position.x, hat->position.y),
              std::pair(96.0f + ProbeWorld::objectSize / 2, 672.0f + ProbeWorld::objectSize / 2));
    EXPECT_EQ(world.objects.size(), 5);
    EXPECT_EQ(addProbe("other", 7)->position.x, 7.0f) << "only the hat is moved";

    world.clear();
    EXPECT_EQ(journal,
              (Journal{"other deleted", "kind1@0,0 deleted", "kind0@96,672 deleted", "kind0@320,640 deleted"}));
    EXPECT_EQ(addHat()->position.x, 7.0f) << "the deleted start point must not be read";
    world.update(&engine);
    EXPECT_EQ(world.objects.size(), 1);
}

}  // namespace
