// Any bytes as ./data/dat/game.dat: loaded as the game's start loads it, then drawn as the level list,
// the records and the quit page draw it, in both modes, into a real GL context. A damaged file may show
// odd times but must never open a level past one without a record, and must survive its own save image.
#include <SDL.h>
#include <cstdint>

#include "engine/game_engine.hpp"
#include "fuzz_support.hpp"
#include "records/save_data.hpp"
#include "states/menu_screens.hpp"
#include "states/menu_state.hpp"

namespace {

GameEngine engine;
MenuState menu;

void checkOpenLevels(const SaveData& data)
{
    const int open = data.openLevelCount();
    if (open < 1 || open > SaveData::levelsPerMode) fuzzing::broken("open level count out of range");
    for (int level = 0; level + 1 < open; ++level) {
        if (data.getRecord(level) == 0) fuzzing::broken("a level opened past a level without a record");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzing::startHarness(engine);
    menu.init(&engine);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput(SaveData::path, data, size);
    SaveData& save = *engine.saveData;
    if (!save.load()) fuzzing::broken("an existing save file was not loaded");
    SaveData reread;
    const auto image = save.toBytes();
    reread.fromBytes(image.data(), image.size());
    if (reread.toBytes() != image) fuzzing::broken("the record does not survive its own save image");
    for (const std::uint8_t hardMode : {std::uint8_t{0}, std::uint8_t{1}}) {
        save.hardMode = hardMode;
        checkOpenLevels(save);
        for (const int screen : {MenuState::levelScreen, MenuState::recordsScreen, MenuState::quitScreen}) {
            menu.setScreen(screen);
            drawMenu(menu, engine);
        }
    }
    SDL_GL_SwapBuffers();
    return 0;
}
