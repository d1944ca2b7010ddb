// Recipes as an author writes them: mistakes are reported with their line, good ones render as asked.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "effect_recipe.hpp"
#include "source_error.hpp"

namespace synth {
namespace {

EffectRecipe parse(const std::string& text)
{
    return EffectRecipe::parse(SourceText::fromString(text, "test.recipe"));
}

const char* const twoVoices = R"(# a comment line
peak -6
voice beep
  osc square width 0.25   # trailing comment
  filter lowpass x4 q 2 sweep 1 over 0.05
  note 0 0.08 C5
end
voice echo from beep
  note 0.1 0.08 G5 -3
end
)";

TEST(EffectRecipe, ReadsVoicesNotesAndInheritedSettings)
{
    const EffectRecipe r = parse(twoVoices);
    ASSERT_EQ(r.voices.size(), 2u);
    const Patch& echo = r.voices[1].patch;
    // 'from' copies the sound (trailing comments ignored) but none of the notes.
    ASSERT_TRUE(echo.oscillators.size() == 1 && echo.filters.size() == 1 && r.voices[1].notes.size() == 1);
    EXPECT_TRUE(echo.oscillators[0].wave == Waveform::Square && echo.oscillators[0].pulseWidth == 0.25);
    EXPECT_TRUE(echo.filters[0].followsPitch && echo.filters[0].cutoff == 4.0) << "x4 follows the note's pitch";
    EXPECT_DOUBLE_EQ(r.voices[1].notes[0].startSeconds, 0.1);
    EXPECT_NEAR(r.voices[1].notes[0].note.velocity, std::pow(10.0, -3.0 / 20.0), 1e-9);
}

TEST(EffectRecipe, MistakesNameTheirLine)
{
    const std::pair<const char*, std::string> mistakes[] = {
        {"voice a\n  osc sine\n  amp decay fast\nend\n", "test.recipe:3: decay must be a number, not 'fast'"},
        {"voice a\n  osc sine\n  note 0 0.1 C4\n", "test.recipe:1: voice 'a' has no 'end'"},
        {"voice a from b\n  osc sine\nend\n", "test.recipe:1: no voice 'b' above to start from"},
        {"voice a\n  osc sine\nend\nvoice a\n  osc saw\nend\n", "test.recipe:4: voice 'a' is defined twice"},
    };
    for (const auto& m : mistakes) EXPECT_THAT([&] { parse(m.first); }, testing::ThrowsMessage<SourceError>(m.second));
}

}  // namespace
}  // namespace synth
