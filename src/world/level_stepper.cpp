#include "world/level_stepper.hpp"

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "world/level.hpp"
#include "world/world.hpp"

namespace {

int clamped(int value, int low, int high)
{
    if (value < low) {
        value = low;
    }
    if (value > high) {
        value = high;
    }
    return value;
}

}  // namespace

LevelStepper::LevelStepper(GameEngine* owner, const Start& start) : active(!start.paused), engine(owner)
{
    engine->timer->setState(start.timer);
    GameRandom::shared().setState(start.random);
    if (engine->effects != nullptr) {
        engine->effects->effectsOff = start.effectsOff;
    }
    world = std::make_unique<World>();
    world->level->load(start.mapPath.c_str());
    hat = new Hat();
    hat->hardMode = start.hardMode;
    world->add(hat);
    follow();
}

LevelStepper::~LevelStepper()
{
    world->clear();
}

void LevelStepper::step()
{
    if (active) {
        world->update(engine);
    }
    follow();
    // The view pass tests what is on screen, so it comes after the camera has moved.
    if (active) {
        world->updateInView(engine);
    }
}

void LevelStepper::follow() const
{
    Rect view = hat->getViewRect();
    view.x = clamped(view.x, 0, Level::widthPixels - view.w);
    view.y = clamped(view.y, 0, Level::heightPixels - view.h);
    viewRect = view;
}
