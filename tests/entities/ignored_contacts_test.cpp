// The world skips the contacts a kind's collide ignores: a crowd of every kind around the flying hat
// must play out the same, frame for frame, as when every overlapping pair is called.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "engine/manual_clock.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/hat.hpp"
#include "support/sound_probe.hpp"
#include "world/world.hpp"

namespace {

std::vector<std::string> play(bool indexed, bool skipping)
{
    ManualClock clock(60000);
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    testing_support::SoundProbe sound(*engine.soundSystem);
    GameRandom::shared() = GameRandom(7);
    World world;
    // Indexed from the first walk on: the crowd stays below the game's threshold for most frames.
    world.pairIndexFrom = indexed ? 0 : INT32_MAX;
    world.skipsIgnoredContacts = skipping;
    // Hats falling through a crowd of every kind the factory makes: droppers over them, the other
    // kinds between them, a toilet under every other hat.
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
        for (const Entity* entity : world.objects) {
            if (const auto* bumper = dynamic_cast<const FadingBumper*>(entity)) out << " t" << bumper->touchedAt;
        }
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
