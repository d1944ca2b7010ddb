#include "entities/fading_bumper.hpp"

#include "engine/game_engine.hpp"
#include "entities/object_box.hpp"
#include "entities/timing.hpp"

FadingBumper::FadingBumper(int x, int y) : Bumper(x, y, EntityType::FadingBumper, numbers)
{
    meets = Meets::HatsOnly;
}

bool FadingBumper::collide(GameEngine* engine, Entity* other, Level* /*level*/)
{
    if (other != nullptr && other->type == typeId(EntityType::Hat) && touchedAt == notTouched) {
        touchedAt = engine->timer->lastTicks;
    }
    return false;
}

float FadingBumper::shownScale(const GameEngine* engine) const
{
    if (touchedAt == notTouched) {
        return 1.0f;
    }
    return 1.0f - elapsedFraction(static_cast<int>(engine->timer->lastTicks), touchedAt,
                                  static_cast<int>(touchedAt + shrinkMs));
}

void FadingBumper::updateInView(GameEngine* engine)
{
    // The world removes it at its next turn; it is still drawn this once.
    if (boxOnScreen(*this) && shownScale(engine) <= goneScale) {
        alive = false;
    }
}
