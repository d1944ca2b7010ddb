#include "entities/toilet.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/hat.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"

namespace {

constexpr int sheet = 7;  // kuva7.png
constexpr float pulsePerMs = 0.0025f;

}  // namespace

Toilet::Toilet(int x, int y)
{
    placeCorner(*this, x, y, sizePixels, sizePixels, EntityType::Toilet, false);
    meets = Meets::HatsOnly;
}

void Toilet::update(GameEngine* /*engine*/) {}

bool Toilet::collide(GameEngine* engine, Entity* other, Level* /*level*/)
{
    if (other == nullptr || other->type != typeId(EntityType::Hat)) {
        return false;
    }
    auto* hat = asKind<Hat>(other);
    // A burst hat is still drawn shrinking where it blew up, but it has failed: it never finishes.
    if (hat->failed) {
        return false;
    }
    // Every frame of overlap lands here; the fanfare belongs to the first.
    if (!hat->goalReached) {
        engine->soundSystem->playSound(SoundEffect::Fanfare);
    }
    hat->goalReached = true;
    return false;
}

void Toilet::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const auto now = static_cast<float>(engine->timer->lastTicks);
    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, sheet);
    sprite.destination = screenBox(*this);
    sprite.tint = Tint{0.7f + 0.3f * std::sin(now * pulsePerMs), 0.5f, 0.5f, 0.9f};
    drawObjectSprite(sprite);
}
