// Scores as an author writes them: note timing, holds, chords, transposition and swing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "music_renderer.hpp"
#include "pitch.hpp"
#include "sample_rate.hpp"
#include "score.hpp"
#include "source_error.hpp"

namespace synth {
namespace {

const char* const instruments = R"(tempo 120
steps 4
instrument keys
  osc triangle
end
instrument drum
  osc noise
  hit 100hz
end
)";

Score parse(const std::string& body)
{
    return Score::parse(SourceText::fromString(std::string(instruments) + body, "test.score"));
}

constexpr double stepSecondsAt120 = 0.125;

std::size_t frameOfStep(double step)
{
    return std::size_t(std::llround(step * stepSecondsAt120 * sampleRateHz));
}

TEST(MusicRenderer, HoldsRestsAndRepeatingLanes)
{
    const Score score = parse(R"(pattern p  # a comment, while sharps are notes
  keys | C4 - - . | F#4 . G4 - |
  drum | x . X . |
end
song p
)");
    const std::vector<ScheduledNote> notes = MusicRenderer(score).schedule();
    ASSERT_EQ(notes.size(), 7u) << "three keys notes and the drum lane played twice";
    EXPECT_EQ(notes[0].startFrame, 0u);
    EXPECT_NEAR(notes[0].note.gateSeconds, 3 * stepSecondsAt120, 1e-9) << "two holds make a note three steps long";
    EXPECT_NEAR(notes[0].note.frequencyHz, *parsePitch("C4"), 1e-9);
    EXPECT_NEAR(notes[1].note.frequencyHz, *parsePitch("F#4"), 1e-9);
    EXPECT_EQ(notes[1].startFrame, frameOfStep(4));
    EXPECT_NEAR(notes[1].note.gateSeconds, stepSecondsAt120, 1e-9) << "a rest ends the note";
    EXPECT_NEAR(notes[2].note.gateSeconds, 2 * stepSecondsAt120, 1e-9) << "the last note lasts to the pattern end";
    EXPECT_EQ(notes[5].startFrame, frameOfStep(4));
    EXPECT_LT(notes[3].note.velocity, notes[4].note.velocity) << "'X' hits harder than 'x'";
    EXPECT_EQ(MusicRenderer(score).loopFrames(), frameOfStep(8));
}

TEST(MusicRenderer, ChordsTranspositionAndSwing)
{
    Score score = parse(R"(swing 0.2
pattern p
  keys C4+E4+G4 - C5 .
  drum x x x x
end
song p p+2
)");
    const std::vector<ScheduledNote> notes = MusicRenderer(score).schedule();
    ASSERT_EQ(notes.size(), 16u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(notes[i].note.gateSeconds, 2 * stepSecondsAt120, 1e-9) << "chord note " << i;
    EXPECT_EQ(notes[1].startFrame, 0u) << "a chord's notes start together";
    EXPECT_EQ(notes[3].startFrame, frameOfStep(2));
    EXPECT_EQ(notes[5].startFrame, frameOfStep(1.2)) << "odd steps swing late";
    EXPECT_NEAR(notes[8].note.frequencyHz, transposed(*parsePitch("C4"), 2), 1e-9) << "'p+2' is two semitones up";
    EXPECT_NEAR(notes[12].note.frequencyHz, 100.0, 1e-9) << "drum hits keep their pitch";
}

TEST(MusicRenderer, MistakesNameTheirLine)
{
    // The score header (tempo, steps, two instruments) takes the first 9 lines.
    const std::pair<const char*, std::string> mistakes[] = {
        {"pattern p\n  piano C4\nend\nsong p\n", "test.score:11: no instrument 'piano' defined above"},
        {"pattern p\n  keys - C4\nend\nsong p\n", "test.score:11: lane 'keys' starts with a hold"},
        {"pattern p\n  keys C4 . .\n  drum x x\nend\nsong p\n",
         "test.score:10: lane 'drum' of pattern 'p' has 2 steps, which do not fill 3 evenly"},
        {"pattern p\n  keys C4\nend\n", "test.score:0: the score has no 'song' line"},
        {"tempo 1000\n", "test.score:10: tempo 1000 is outside 40 to 300"},
    };
    for (const auto& m : mistakes) EXPECT_THAT([&] { parse(m.first); }, testing::ThrowsMessage<SourceError>(m.second));
}

}  // namespace
}  // namespace synth
