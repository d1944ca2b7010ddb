// The menu drawn by a real engine from one-colour fixture sheets, so a pixel tells which picture lies
// there, and every page's texts as drawn. (The frame-rate counter is the end-to-end fps run's.)
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>
#include <memory>
#include <string>

#include "graphics/gl_test_window.hpp"
#include "graphics/tables.hpp"
#include "graphics/video.hpp"
#include "states/menu_state.hpp"
#include "support/engine_test.hpp"

using namespace testing_support;

namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb blue{0, 0, 255};
constexpr Rgb yellow{255, 255, 0};

void writeSolid(const std::string& name, Rgb colour)
{
    writeSheet("data/" + name, 8, 8, [colour](int, int) { return colour; });
}

// Which of the fixture colours a tinted pixel comes from: the on mark, the off mark, or neither.
char hueOf(Rgb pixel)
{
    const bool reddish = pixel[0] > 100;
    const bool greenish = pixel[1] > 100;
    return reddish == greenish ? '-' : reddish ? 'r' : 'g';
}

class MenuScreensGlTest : public EngineTest {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);  // unless one is chosen
        writeSolid("kuva29.png", green);        // on
        writeSolid("kuva30.png", red);          // off
        writeSolid("font.png", white);          // every glyph a block
        writeSolid("kuva19.png", blue);         // easy mode
        writeSolid("kuva21.png", yellow);       // hard mode
        start();
        logOf([&] { engine.changeState(std::make_unique<MenuState>()); });
        menu = static_cast<MenuState*>(engine.state.get());
    }
    void show(int screen, int selection)
    {
        menu->setScreen(screen);
        menu->selection = selection;
        clearFrame();
        engine.draw();
    }
    // The hue beside settings entry i, right of its caption, where only its on/off mark lies.
    char markOf(int entry) { return hueOf(pixelAt(700, 232 + 60 * entry)); }

    MenuState* menu = nullptr;
};

TEST_F(MenuScreensGlTest, SettingsMarksShowWhatIsOnTheFrameRateFlagReadsTheOtherWayAndTheModeEntryItsMode)
{
    engine.toggleMusic();
    show(MenuState::settingsScreen, MenuState::saveEntry);
    EXPECT_EQ(markOf(MenuState::musicEntry), 'r') << "music off";
    EXPECT_EQ(markOf(MenuState::soundEntry), 'g');
    EXPECT_EQ(markOf(MenuState::effectsEntry), 'g');
    EXPECT_EQ(markOf(MenuState::fpsEntry), 'r') << "showFps clear: the display is off";
    engine.toggleFps();
    engine.toggleEffects();
    show(MenuState::settingsScreen, MenuState::saveEntry);
    EXPECT_EQ(markOf(MenuState::fpsEntry), 'g');
    EXPECT_EQ(markOf(MenuState::effectsEntry), 'r');

    for (const auto& [hard, bluish] : {std::pair{0, true}, std::pair{1, false}}) {
        engine.saveData->hardMode = static_cast<std::uint8_t>(hard);
        show(MenuState::mainScreen, 0);
        const Rgb seen = pixelAt(400, 472);
        EXPECT_EQ(seen[2] > seen[0], bluish) << (hard ? "hard: kuva21.png" : "easy: kuva19.png");
    }
}

// A line as the reader describes it, from the values a page is written with.
std::string line(const std::string& text, int x, int y, float scale, float angle, int glyphSet, float r, float g,
                 float b, float a = 1.0f)
{
    return describe(DrawnText{text, x, y, scale, angle, glyphSet, {r, g, b, a}});
}

class MenuTextsGlTest : public MenuScreensGlTest {
protected:
    // The page's own texts: the two credit lines come last on every page.
    std::vector<std::string> pageTexts(int screen, int selection = 0)
    {
        std::vector<std::string> texts = shownTexts(screen, selection);
        texts.resize(texts.size() - 2);
        return texts;
    }
    std::vector<std::string> shownTexts(int screen, int selection = 0)
    {
        menu->setScreen(screen);
        menu->selection = selection;
        return describe(textsDrawnBy([&] { engine.draw(); }));
    }
    // "Easy start           [1.01]": the padded name and the record of 61 s, 62 s, ...
    static std::string row(int level)
    {
        return std::string(levelNames[static_cast<std::size_t>(level)]) + " [1." + (level < 9 ? "0" : "") +
               std::to_string(level + 1) + "]";
    }
    void recordLevels(int count)
    {
        for (int level = 0; level < count; ++level)
            engine.saveData->records[static_cast<std::size_t>(level)] = 61000 + 1000 * level;
    }

    // t = 1 s on the game clock.
    const float s = std::sin(1.0f);
    const float u = std::cos(1.0f);
};

TEST_F(MenuTextsGlTest, TheHelpRecordsAndQuitPagesSayTheirTextsWhereAndHowTheyShould)
{
    engine.timer->lastTicks = 1000;
    const float heading[] = {0.7f, 0.2f, 0.2f};
    const float body[] = {0.2f, 0.8f, 0.2f};
    const auto help = [&](const char* text, int y, const float* colour, float scale = 1.0f, float angle = 0.0f) {
        return line(text, 80, y, scale, angle, 0, colour[0], colour[1], colour[2]);
    };
    EXPECT_EQ(pageTexts(MenuState::helpScreen),
              (std::vector<std::string>{help("What is this all about?", 300, heading, 1.2f),
                                        help("You are in control of magical flying and farting hat.", 340, body),
                                        help("Your goal is to reach the TOILET before your inner pressure", 360, body),
                                        help("gets too high.", 380, body),
                                        help("You can control the hat with arrowkeys..", 400, heading, 1.0f, 0.2f * s),
                                        help("Gasmeter explanation", 430, heading, 1.2f),
                                        help("Green bar shows how much gas you have left.", 450, body),
                                        help("Red bar tells how much gas you can handle", 470, body),
                                        help("If the green bar cathes up to red bar, you will blow up", 490, body),
                                        help("because of too high pressure!", 510, body)}));

    // Records: none yet; then 17 of the 18 easy levels, and all 18.
    EXPECT_EQ(pageTexts(MenuState::recordsScreen),
              (std::vector<std::string>{
                  line("No scores yet for this game mode..", 75, 360, 1.3f, 13.0f * s, 1, 1.0f, 1.0f, s)}));
    for (int recorded : {17, 18}) {
        recordLevels(recorded);
        std::vector<std::string> rows;
        for (int level = 0; level < recorded; ++level)
            rows.push_back(
                line(row(level), 75, 170 + 20 * level, 1.3f, 0.0f, 1, 0.3f + 0.6f * s, 0.6f, 0.6f + 0.2f * u));
        rows.push_back(
            line("Try the other game mode!", 75, 555, 1.3f, 1.0f, 1, 0.3f + 0.6f * s, 0.6f, 0.6f + 0.2f * u));
        EXPECT_EQ(pageTexts(MenuState::recordsScreen), rows) << recorded << " records";
    }

    // The time since start in minutes and seconds.
    engine.timer->lastTicks = 83456;
    const float t = 83.456f;
    EXPECT_EQ(pageTexts(MenuState::quitScreen),
              (std::vector<std::string>{line("You wasted 1.23 minutes playing this game", 200, 565, 1.0f, 0.0f, 0,
                                             0.4f * (1.0f + std::sin(t)), 0.9f - 0.4f * std::cos(t),
                                             0.4f * (1.0f + std::cos(t)))}));
}

TEST_F(MenuTextsGlTest, TheLevelRowsLightTheChosenOneAndTheCreditLinesFadeInTheirFrameWindows)
{
    engine.timer->lastTicks = 1000;
    recordLevels(3);  // four open levels, the last without a time
    std::vector<std::string> rows;
    for (int level = 0; level < 4; ++level) {
        const bool chosen = level == 2;
        rows.push_back(line(level < 3 ? row(level) : std::string(levelNames[3]) + " [0.00]", 75, 170 + 20 * level, 1.3f,
                            0.0f, 1, chosen ? 0.3f + 0.6f * s : 0.72f, chosen ? 0.6f : 0.69f,
                            chosen ? 0.6f + 0.2f * u : 0.58f));
    }
    EXPECT_EQ(pageTexts(MenuState::levelScreen, 2), rows);

    // At t = 0 the lines circle through (400, 550) and (660, 310), in glyph set int(cos 0) = 1; the
    // second runs off the right edge after 14 glyphs, and the one cut by it is not reported.
    engine.timer->lastTicks = 0;
    const auto credits = [](float first, float second) {
        return std::vector<std::string>{
            line("Congratulations to Rasmok", 400, 550, 1.0f, 0.0f, 1, 0.6f, 0.6f, 0.6f, first),
            line("\"THEY MADE ME", 660, 310, 1.0f, 0.0f, 1, 0.6f, 0.6f, 0.6f, second)};
    };
    // Frame, alpha of each: the first shows from 3600 to 5100, the second from 1000 to 3500.
    const std::tuple<std::uint32_t, float, float> frames[] = {
        {1150, 0.0f, 0.5f}, {3900, 0.5f, 0.0f}, {4500, 1.0f, 0.0f}, {4950, 0.5f, 0.0f}};
    for (const auto& [frame, first, second] : frames) {
        engine.timer->frameCount = frame;
        EXPECT_EQ(shownTexts(MenuState::mainScreen), credits(first, second)) << "frame " << frame;
    }
    // Where the cosine is exactly -1 the set is -1, which has no glyph for any printable byte.
    std::uint32_t ticks = 3000;
    while (static_cast<int>(std::cos(static_cast<float>(ticks) * 0.001f)) != -1) ++ticks;
    engine.timer->lastTicks = ticks;
    EXPECT_TRUE(shownTexts(MenuState::mainScreen).empty()) << "at " << ticks << " ms";
}

}  // namespace
