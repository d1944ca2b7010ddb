#include "entities/effect.hpp"

#include <GL/gl.h>
#include <cmath>

#include "engine/game_random.hpp"
#include "graphics/sprite.hpp"

void Effect::draw(GameEngine* engine)
{
    if (!isOnScreen(static_cast<std::int32_t>(position.x), static_cast<std::int32_t>(position.y), width, height)) {
        return;
    }
    const EffectLook shown = look(engine);
    const Rect destination{static_cast<std::int32_t>(position.x - static_cast<float>(viewRect.x)),
                           static_cast<std::int32_t>(position.y - static_cast<float>(viewRect.y)), width, height};
    glColor4f(shown.red, shown.green, shown.blue, shown.alpha);
    drawSprite(destination, shown.texture, shown.source, shown.angleDegrees, 1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void Effect::startAimed(Vector3, std::uint32_t, float) {}

bool Effect::update(int frameMs)
{
    elapsed += frameMs;
    // Measured from the start, so a clock that wraps past 2^32 ms does not end the effect early.
    if (static_cast<std::uint32_t>(elapsed) > endTime - startTime) {
        return false;
    }
    move(frameMs * 0.001);
    return true;
}

void Effect::expire() {}

int Effect::effectTime() const
{
    return static_cast<int>(startTime + static_cast<std::uint32_t>(elapsed));
}

void Effect::begin(Vector3 point, std::uint32_t now, int size, std::uint32_t lifetimeMs)
{
    startTime = now;
    endTime = now + lifetimeMs;
    elapsed = 0;
    width = size;
    height = size;
    position.x = point.x - static_cast<float>(width / 2);
    position.y = point.y - static_cast<float>(height / 2);
    position.z = 0.0f;
}

void Effect::drift(int velocityX, int velocityY, double seconds)
{
    position.x = static_cast<float>(position.x + velocityX * seconds);
    position.y = static_cast<float>(position.y + velocityY * seconds);
}

double Effect::randomStep(int steps, double step)
{
    return step * (gameRand() % steps);
}

Effect::Scatter Effect::scatter(double baseSpeed)
{
    constexpr double speedSpread = 200.0;
    constexpr double halfTurn = 3.1415927;
    const double speed = (randomStep(100, 0.01) - 0.5) * speedSpread + baseSpeed;
    const double direction = 2.0 * (randomStep(100, 0.01) * halfTurn);
    return {wholeSpeed(std::cos(direction) * speed), wholeSpeed(std::sin(direction) * speed), direction};
}
