#include "level_play.hpp"

#include <algorithm>
#include <memory>

#include "engine/game_random.hpp"
#include "entities/hat.hpp"
#include "states/action_state.hpp"
#include "world/world.hpp"

LevelPlay::LevelPlay(int level, bool hardMode, const InputTrack& keys) : clock(startClockMs), track(keys)
{
    // The game's sequence from its start, as a game that has drawn nothing yet has it.
    GameRandom::shared() = GameRandom();
    TickSource::install(&clock);
    engine.initHeadless();
    engine.effects->effectsOff = false;
    engine.saveData->hardMode = hardMode ? 1 : 0;
    engine.level = level;
    auto state = std::make_unique<ActionState>();
    action = state.get();
    engine.changeState(std::move(state));
    // A level starts paused until the first key; the track's first frame is that key.
    action->resume();
}

LevelPlay::~LevelPlay()
{
    engine.cleanup();
    TickSource::install(nullptr);
}

bool LevelPlay::over() const
{
    const Hat* hat = action->hat;
    return hat->goalReached || hat->failed || frames >= static_cast<int>(track.frames.size()) + graceFrames;
}

bool LevelPlay::reachedToilet() const
{
    return action->hat->goalReached;
}

void LevelPlay::holdKeys()
{
    const std::uint8_t keys = track.at(static_cast<std::size_t>(frames));
    Hat* hat = action->hat;
    hat->keyLeft = (keys & HeldKeys::left) != 0;
    hat->keyRight = (keys & HeldKeys::right) != 0;
    hat->keyThrust = (keys & HeldKeys::thrust) != 0;
}

void LevelPlay::updateFrame()
{
    holdKeys();
    engine.update();
    ++frames;
    mostEntities = std::max(mostEntities, static_cast<std::size_t>(action->world->objects.size()));
}

void LevelPlay::wholeFrame()
{
    updateFrame();
    engine.draw();
}

InputTrack storedTrack(int level, bool hardMode)
{
    const std::string name =
        std::string(level < 10 ? "map0" : "map") + std::to_string(level) + (hardMode ? "-hard" : "-easy") + ".track";
    return InputTrack::load(std::string(FEZZLE_TRACKS_DIR) + "/" + name);
}
