// Input tracks, the files the level checker replays.
#include <gtest/gtest.h>

#include "input_track.hpp"
#include "level_error.hpp"
#include "support/test_support.hpp"

namespace {

std::string trackFault(const std::string& text)
{
    return testing_support::faultOf<LevelError>([&] { InputTrack::parse(text, "t.track"); });
}

}  // namespace

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
    EXPECT_EQ(trackFault("2 T\nx T\n").substr(0, 12), "t.track:2:1:");
    EXPECT_EQ(trackFault("0 T\n").substr(0, 27), "t.track:1:1: expected a fra");
    EXPECT_EQ(trackFault("99999999 T\n").substr(0, 12), "t.track:1:1:");
    EXPECT_EQ(trackFault("4\n"), "t.track:1:2: expected the keys after the count");
    EXPECT_EQ(trackFault("4T\n"), "t.track:1:2: expected the keys after the count");
    EXPECT_EQ(trackFault("4 TX\n").substr(0, 30), "t.track:1:4: 'X' is no key (L,");
    EXPECT_EQ(trackFault("4 T-\n").substr(0, 17), "t.track:1:4: '-' ");
    EXPECT_EQ(trackFault("4 T R\n"), "t.track:1:5: unexpected text after the keys");
}
