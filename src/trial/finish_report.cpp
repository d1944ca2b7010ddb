#include "trial/finish_report.hpp"

#include <GL/gl.h>

#include "graphics/font.hpp"
#include "records/save_data.hpp"
#include "trial/medal_mark.hpp"
#include "trial/run_comparison.hpp"

namespace {

constexpr int differenceY = 318;
constexpr int medalY = 344;
constexpr int glyphSet = 1;
constexpr float scale = 1.0f;
// The coin sits left of the medal line, on the middle of its letters.
constexpr float coinRadius = 7.0f;
constexpr float coinGap = 14.0f;
constexpr float coinRise = 7.0f;

constexpr MedalColour fasterColour{0.44f, 0.83f, 0.42f};   // leaf
constexpr MedalColour slowerColour{1.0f, 0.35f, 0.31f};    // tomato
constexpr MedalColour sameColour{1.0f, 0.957f, 0.863f};    // cream
constexpr MedalColour noMedalColour{0.66f, 0.62f, 0.61f};  // stone

int centred(const std::string& text)
{
    return centredTextX(text.c_str(), scale);
}

void printCentred(const TextureSet& textures, const std::string& text, int y, const MedalColour& colour)
{
    glColor3f(colour.r, colour.g, colour.b);
    printText(textures, centred(text), y, text.c_str(), glyphSet, 0.0f, scale);
}

}  // namespace

FinishReport::FinishReport(const SaveData& save, const MedalTable& medals, int level, std::int32_t runMs)
{
    const std::int32_t best = save.getRecord(level);
    difference = differenceText(runMs, best);
    faster = runMs < best;
    same = runMs == best;
    const bool hardMode = save.hardMode == 1;
    if (const MedalTimes* times = medals.find(level, hardMode)) {
        earned = medalOf(*times, runMs);
        medal = medalText(*times, runMs);
    }
}

void FinishReport::draw(const TextureSet& textures) const
{
    if (!difference.empty()) {
        printCentred(textures, difference, differenceY, faster ? fasterColour : same ? sameColour : slowerColour);
    }
    if (!medal.empty()) {
        printCentred(textures, medal, medalY, earned == Medal::None ? noMedalColour : medalColour(earned));
        drawMedalMark(earned, static_cast<float>(centred(medal)) - coinGap, static_cast<float>(medalY) - coinRise,
                      coinRadius);
    }
    glColor3f(1.0f, 1.0f, 1.0f);
}
