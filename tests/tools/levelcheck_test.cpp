// Input tracks, the files the level checker replays, and the runs it replays them in.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "engine/game_random.hpp"
#include "entities/hat.hpp"
#include "input_track.hpp"
#include "level_error.hpp"
#include "level_run.hpp"
#include "support/test_support.hpp"
#include "world/world.hpp"

namespace {

TEST(InputTrack, KeepsEveryFrameThroughItsRunLengthTextAndNamesBadRuns)
{
    InputTrack track;
    track.frames = {0, 0, HeldKeys::thrust, HeldKeys::left | HeldKeys::thrust, HeldKeys::all, HeldKeys::right, 0};
    const std::string text = track.format("a test");
    EXPECT_EQ(text, "; a test\n2 -\n1 T\n1 LT\n1 LRT\n1 R\n1 -\n");
    EXPECT_EQ(InputTrack::parse(text, "t.track").frames, track.frames);
    EXPECT_EQ(InputTrack::parse("  3 TL\r\n\n; note\n1 -\n", "t.track").frames,
              (std::vector<std::uint8_t>{5, 5, 5, 0}));
    EXPECT_EQ(track.at(100), 0) << "no keys past the end";
    // A bad run is named by its line and column.
    for (const auto& [bad, fault] : {std::pair{"2 T\nx T\n", "t.track:2:1:"},
                                     {"0 T\n", "t.track:1:1: expected a fra"},
                                     {"99999999 T\n", "t.track:1:1:"},
                                     {"4\n", "t.track:1:2: expected the keys after the count"},
                                     {"4T\n", "t.track:1:2: expected the keys after the count"},
                                     {"4 TX\n", "t.track:1:4: 'X' is no key (L,"},
                                     {"4 T-\n", "t.track:1:4: '-' "},
                                     {"4 T R\n", "t.track:1:5: unexpected text after the keys"}})
        EXPECT_THAT(testing_support::faultOf<LevelError>([&] { InputTrack::parse(bad, "t.track"); }),
                    testing::StartsWith(fault));
}

// Everything a frame of play leaves behind that the next frame reads, as one line per frame: each
// entity's kind, box and life, the hat's flight and gas, the effects' places and the random state.
std::string frameState(const LevelRun& run)
{
    std::ostringstream line;
    line << std::hexfloat;
    for (const Entity* e : run.world->objects)
        line << e->type << (e->alive ? '+' : '-') << e->position.x << ',' << e->position.y << ' ' << e->width << 'x'
             << e->height << ';';
    const Hat& hat = *run.hat;
    line << hat.velocityX << ',' << hat.velocityY << ',' << hat.angle << ' ' << hat.pressure << '/' << hat.capacity
         << ' ' << hat.levelTime << ';';
    for (const auto& effect : run.engine.effects->effects)
        line << effect->position.x << ',' << effect->position.y << ';';
    for (const std::uint32_t word : GameRandom::shared().state().table) line << word << ',';
    return line.str();
}

struct Played {
    std::vector<std::string> frames;
    bool blowerReared = false;
    bool fadingBumperGone = false;
};

// The level's stored easy track, each frame drawn `draws` times (the drawing goes nowhere: no window).
Played play(int level, int draws)
{
    const std::string name = std::string(level < 10 ? "map0" : "map") + std::to_string(level);
    const InputTrack track = InputTrack::load(std::string(FEZZLE_TRACKS_DIR) + "/" + name + "-easy.track");
    LevelRun run(std::string(FEZZLE_DATA_DIR) + "/maps/map" + std::to_string(level) + ".mp", false, {}, false);
    const auto fadingBumpers = [&run] {
        int alive = 0;
        for (const Entity* e : run.world->objects) alive += e->type == typeId(EntityType::FadingBumper) && e->alive;
        return alive;
    };
    const auto startingBumpers = fadingBumpers();
    Played played;
    while (!run.finished() && !run.burst() && run.frames < static_cast<int>(track.frames.size())) {
        run.step(track.at(static_cast<std::size_t>(run.frames)));
        for (int i = 0; i < draws; ++i) run.world->draw(&run.engine);
        played.frames.push_back(frameState(run));
        for (const Entity* e : run.world->objects)
            played.blowerReared |= e->type == typeId(EntityType::BubbleBlower) && e->height > 182.0f;
        played.fadingBumperGone |= fadingBumpers() < startingBumpers;
    }
    return played;
}

TEST(LevelRun, ALevelPlaysTheSameFrameForFrameWhetherItsFramesAreDrawnOnceTwiceOrNotAtAll)
{
    if (!testing_support::fileExists(std::string(FEZZLE_DATA_DIR) + "/maps/map14.mp"))
        GTEST_SKIP() << "no built maps under " << FEZZLE_DATA_DIR;
    // map7 has blowers; on map14 the hat also brings a fading bumper to its end.
    bool reared = false, gone = false;
    for (const int level : {7, 14}) {
        SCOPED_TRACE(level);
        Played unseen;
        testing_support::logOf([&] { unseen = play(level, 0); });
        reared |= unseen.blowerReared;
        gone |= unseen.fadingBumperGone;
        for (const int draws : {1, 2}) {
            Played seen;
            testing_support::logOf([&] { seen = play(level, draws); });
            ASSERT_EQ(seen.frames.size(), unseen.frames.size()) << draws << " draws a frame";
            const auto differ = std::mismatch(seen.frames.begin(), seen.frames.end(), unseen.frames.begin());
            EXPECT_TRUE(differ.first == seen.frames.end())
                << "frame " << differ.first - seen.frames.begin() << " differs with " << draws << " draws a frame";
        }
    }
    EXPECT_TRUE(reared && gone) << "the rules that need the view never ran";
}

}  // namespace
