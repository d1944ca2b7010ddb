// The menu drawn by a real engine from one-colour fixture sheets, so a pixel tells which picture
// lies there: the settings marks (the frame-rate one reads its flag the other way) and the frame-rate
// counter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "graphics/gl_test_window.hpp"
#include "graphics/video.hpp"
#include "states/menu_state.hpp"
#include "support/engine_test.hpp"

using namespace testing_support;

namespace {

constexpr Rgb red{255, 0, 0};
constexpr Rgb green{0, 255, 0};
constexpr Rgb white{255, 255, 255};

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

TEST_F(MenuScreensGlTest, SettingsMarksShowWhatIsOnAndTheFrameRateFlagReadsTheOtherWay)
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
}

TEST_F(MenuScreensGlTest, TheFrameRateCounterShowsAtTheTopRightOfEveryScreenWhenOn)
{
    for (int screen = 0; screen < MenuState::screenCount; ++screen) {
        show(screen, 0);
        EXPECT_FALSE(lit(722, 12)) << "screen " << screen;
    }
    engine.toggleFps();
    for (int screen = 0; screen < MenuState::screenCount; ++screen) {
        show(screen, 0);
        EXPECT_TRUE(lit(722, 12)) << "screen " << screen;
    }
}

}  // namespace
