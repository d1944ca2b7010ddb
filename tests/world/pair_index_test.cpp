// The world's shortcuts change nothing: the broad phase keeps every collide call and its order in random
// scenes, and skipping the contacts a kind's collide ignores plays a crowd of every kind out the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "engine/manual_clock.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/hat.hpp"
#include "support/sound_probe.hpp"
#include "world/pair_index.hpp"
#include "world/probe_world.hpp"

using namespace testing_support;

namespace {

// Chances out of 1000, in update: drift, jump (at times far out), resize (at times negative), spawn, die, become
// not-a-number; on a contact: bounce back to where the turn began (as the hat does), be shoved anywhere near, spawn.
struct Habits {
    int drift = 700, jump = 15, resize = 20, spawn = 8, die = 6, lose = 2;
    int bounceBack = 150, shove = 100, spawnOnHit = 4;
};

class Wanderer : public ProbeEntity {
public:
    Wanderer(const std::string& id, std::uint32_t seed, float x, float y, float w, float h, Journal& sharedCalls,
             const Habits& habits)
        : ProbeEntity(id, x, y, w, &sharedCalls), random(seed), calls(sharedCalls), rules(habits)
    {
        height = h;
    }

    void update(GameEngine* engine) override
    {
        ProbeEntity::update(engine);
        if (chance(rules.drift)) {
            position.x += between(-40, 40);
            position.y += between(-40, 40);
        }
        if (chance(rules.jump)) {
            position.x = chance(100) ? between(-1e9f, 1e9f) : between(-500, 12500);
            position.y = between(-300, 1100);
        }
        if (chance(rules.resize)) {
            width = chance(200) ? -between(1, 300) : between(0, 600);
            height = between(0, 500);
        }
        if (chance(rules.lose)) position.y = std::numeric_limits<float>::quiet_NaN();
        if (chance(rules.spawn)) spawnChild();
        if (chance(rules.die)) alive = false;
    }

    bool collide(GameEngine* engine, Entity* other, Level* level) override
    {
        ProbeEntity::collide(engine, other, level);
        if (chance(rules.bounceBack)) position = oldPosition;
        if (chance(rules.shove)) {
            position.x += between(-300, 300);
            width = between(5, 500);
        }
        if (chance(rules.spawnOnHit)) spawnChild();
        return false;
    }

private:
    bool chance(int perMille) { return static_cast<int>(random() % 1000) < perMille; }
    float between(float low, float high) { return low + (high - low) * static_cast<float>(random() % 100000) / 1e5f; }
    void spawnChild()
    {
        world->add(new Wanderer(name + "." + std::to_string(children++), random(), position.x + between(-50, 50),
                                position.y, between(5, 120), between(5, 120), calls, rules));
    }

    std::minstd_rand random;
    Journal& calls;
    const Habits& rules;
    int children = 0;
};

// One scene from its seed, the same in any world; crowded on purpose: most boxes meet several others.
void populate(World& world, std::uint32_t seed, int count, Journal& journal, const Habits& habits)
{
    std::minstd_rand random(seed);
    const auto pick = [&random](int range) { return static_cast<float>(static_cast<int>(random() % 100000) % range); };
    for (int i = 0; i < count; ++i) {
        const float x = pick(2400) - 100, y = pick(1000) - 100, w = 10 + pick(450);
        world.add(new Wanderer("e" + std::to_string(i), random(), x, y, w, 10 + pick(450), journal, habits));
    }
}

TEST(PairIndexSceneTest, CrowdedMovingScenesCollideInTheOrderOfThePlainPairLoop)
{
    GameEngine engine;
    engine.initHeadless();
    std::size_t contacts = 0;
    // Walks the scene in both worlds frame by frame and compares every frame's calls.
    const auto expectSameCalls = [&](std::uint32_t seed, int count, const Habits& habits, int frames) {
        Journal plainCalls, gridCalls;
        World plain, grid;
        plain.pairIndexFrom = INT32_MAX;
        grid.pairIndexFrom = 0;
        populate(plain, seed, count, plainCalls, habits);
        populate(grid, seed, count, gridCalls, habits);
        for (int frame = 0; frame < frames; ++frame) {
            plainCalls.clear();
            gridCalls.clear();
            plain.update(&engine);
            grid.update(&engine);
            ASSERT_EQ(gridCalls, plainCalls) << "scene " << seed << ", frame " << frame;
            ASSERT_EQ(namesOf(grid.objects), namesOf(plain.objects)) << "scene " << seed << ", frame " << frame;
            contacts += plainCalls.size();
        }
    };
    for (std::uint32_t seed = 1; seed <= 12; ++seed) expectSameCalls(seed, 40 + static_cast<int>(seed) * 25, {}, 12);
    EXPECT_GT(contacts, 100000u) << "the scenes must actually touch";

    const Habits restless{700, 15, 20, 40, 40, 0, 600, 500, 30};  // contacts that move, spawn and resize
    for (std::uint32_t seed = 100; seed < 106; ++seed) expectSameCalls(seed, 60, restless, 8);
}

// Not-a-number boxes, never rejected, are in every scene above.
TEST(PairIndexTest, TouchingAndFarOffBoxesAreNeverSkipped)
{
    ProbeEntity a("a", 255.5f, 10.0f, 0.5f);
    ProbeEntity b("b", 256.0f, 10.0f, 30.0f);
    ASSERT_TRUE(a.overlaps(&b));
    EXPECT_EQ(PairIndex::cellsOf(&a).column1, PairIndex::cellsOf(&b).column0) << "the touching edge is in both";
    b.position.x = std::numeric_limits<float>::infinity();
    EXPECT_EQ(PairIndex::cellsOf(&b).column0, PairIndex::gridColumns - 1) << "far off boxes share the edge cells";
}

std::vector<std::string> play(bool indexed, bool skipping)
{
    ManualClock clock(60000);
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    SoundProbe sound(*engine.soundSystem);
    GameRandom::shared() = GameRandom(7);
    World world;
    // Indexed from the first walk on: the crowd stays below the game's threshold for most frames.
    world.pairIndexFrom = indexed ? 0 : INT32_MAX;
    world.skipsIgnoredContacts = skipping;
    // Hats falling through a crowd of every kind: droppers over them, a toilet under every other one.
    std::vector<Hat*> hats;
    for (int i = 0; i < 8; ++i) {
        const int x = 100 + i * 260;
        world.spawnObject(x - 210, 0, typeId(EntityType::Dropper));
        world.spawnObject(x + 40, 150 + (i % 3) * 120, typeId(EntityType::Thrower) + i % 6);
        if (i % 2 == 0) world.spawnObject(x - 40, 600, typeId(EntityType::Toilet));
        world.add(hats.emplace_back(new Hat));
        hats.back()->position.set(static_cast<float>(x), 250.0f, 0.0f);
    }
    // Toilets meet hats only: with skipping, their turns look at the hats alone.
    int hatsOnly = 0;
    for (const Entity* entity : world.objects) hatsOnly += entity->meets == Entity::Meets::HatsOnly;
    EXPECT_GT(hatsOnly, 0);
    std::vector<std::string> frames;
    for (int frame = 0; frame < 500; ++frame) {
        clock.now += 16;
        engine.update();
        // Some hats fall freely, the others blow in bursts, turning one way and then the other.
        for (std::size_t i = 1; i < hats.size(); i += 2) {
            hats[i]->keyThrust = frame % 30 < 12;
            hats[i]->keyLeft = frame % 90 >= 60;
            hats[i]->keyRight = frame % 90 < 25;
        }
        sound.clear();
        world.update(&engine);
        // What can be seen of a frame: the hats, the crowd's size, the fading bumpers' touches, the sounds.
        std::ostringstream out;
        for (const Hat* hat : hats) {
            out << hat->position.x << ',' << hat->position.y << ' ' << hat->velocityX << ',' << hat->velocityY << ' '
                << hat->pressure << (hat->failed ? " failed" : "") << (hat->goalReached ? " home" : "")
                << (hat->carrier != nullptr ? " carried" : "") << " | ";
        }
        out << "n" << world.objects.size();
        for (const Entity* entity : world.objects)
            if (const auto* bumper = dynamic_cast<const FadingBumper*>(entity)) out << " t" << bumper->touchedAt;
        out << " s" << sound.totalPlays();
        frames.push_back(out.str());
    }
    world.clear();
    TickSource::install(nullptr);
    return frames;
}

TEST(IgnoredContactsTest, SkippingTheContactsKindsIgnoreChangesNothingAPlayerCouldSee)
{
    const std::vector<std::string> everyPair = play(false, false);
    // The crowd does meet the hats: some reach a toilet, items fall on them.
    ASSERT_NE(everyPair.back().find(" home"), std::string::npos);
    ASSERT_GT(std::count_if(everyPair.begin(), everyPair.end(), [](auto& f) { return f.find(" s0") == f.npos; }), 3);
    EXPECT_EQ(play(false, true), everyPair) << "the plain walk";
    EXPECT_EQ(play(true, false), everyPair) << "the broad phase";
    EXPECT_EQ(play(true, true), everyPair) << "the broad phase, skipping";
}

}  // namespace
