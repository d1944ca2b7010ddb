#include "menu_play.hpp"

#include <memory>

#include "level_play.hpp"
#include "states/menu_state.hpp"

MenuPlay::MenuPlay() : clock(LevelPlay::startClockMs)
{
    TickSource::install(&clock);
    engine.initHeadless();
    auto menu = std::make_unique<MenuState>();
    MenuState* shown = menu.get();
    engine.changeState(std::move(menu));
    shown->setScreen(0);
}

MenuPlay::~MenuPlay()
{
    engine.cleanup();
    TickSource::install(nullptr);
}

void MenuPlay::wholeFrame()
{
    engine.update();
    engine.draw();
}
