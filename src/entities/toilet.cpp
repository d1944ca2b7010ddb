#include "entities/toilet.hpp"

#include <GL/gl.h>
#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "graphics/sprite.hpp"

namespace {

constexpr int picture = 6;  // kuva7.png
constexpr int fanfareSound = 0;
constexpr float pulsePerMs = 0.0025f;

}  // namespace

Toilet::Toilet(int x, int y)
{
    position.set(static_cast<float>(x), static_cast<float>(y), 0.0f);
    width = sizePixels;
    height = sizePixels;
    type = typeId(EntityType::Toilet);
    solid = false;
}

void Toilet::update(GameEngine* /*engine*/) {}

bool Toilet::collide(GameEngine* engine, Entity* other, Level* /*level*/)
{
    if (other == nullptr || other->type != typeId(EntityType::Hat)) {
        return false;
    }
    auto* hat = static_cast<Hat*>(other);
    // A burst hat is still drawn shrinking where it blew up, but it has failed: it never finishes.
    if (hat->failed) {
        return false;
    }
    // Every frame of overlap lands here; the fanfare belongs to the first.
    if (!hat->goalReached) {
        engine->soundSystem->playSound(fanfareSound);
    }
    hat->goalReached = true;
    return false;
}

void Toilet::draw(GameEngine* engine)
{
    if (!isOnScreen(static_cast<int>(position.x), static_cast<int>(position.y), static_cast<int>(width),
                    static_cast<int>(height))) {
        return;
    }
    const auto now = static_cast<float>(engine->timer->lastTicks);
    glColor4f(0.7f + 0.3f * std::sin(now * pulsePerMs), 0.5f, 0.5f, 0.9f);
    const Rect box{static_cast<int>(position.x - static_cast<float>(viewRect.x)),
                   static_cast<int>(position.y - static_cast<float>(viewRect.y)), static_cast<int>(width),
                   static_cast<int>(height)};
    drawSprite(box, engine->textures->kuva[picture], Rect{0, 0, 512, 512}, 0.0f, 1.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
