#include "entities/emitter.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"
#include "entities/spawn.hpp"
#include "entities/timing.hpp"

namespace {

constexpr int squeezeStartMs = 600;  // before the emission: the squeeze rises, then falls
constexpr int squeezePeakMs = 300;
constexpr double wobbleRatePerMs = 0.006666667;
constexpr double wobbleCentre = 0.5;
constexpr double wobbleDegrees = 10.0;
constexpr float squeezeShrink = 0.2f;
constexpr std::int32_t pictureInset = 30;
constexpr int emitterSheet = 10;  // kuva10.png, hung upside down for the dropper

}  // namespace

Emitter::Emitter(int x, int y, EntityType kind, const EmitterNumbers& kindNumbers) : tuning(kindNumbers)
{
    placeCorner(*this, x, y, sizePixels, sizePixels, kind, false);
    meets = Meets::NoOne;
}

void Emitter::update(GameEngine* engine)
{
    const std::uint32_t now = engine->timer->lastTicks;
    if (now > lastEmit + tuning.intervalMs) {
        addToWorld(world, emit());
        lastEmit = now;
    }
}

bool Emitter::collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/)
{
    return false;
}

void Emitter::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    const auto signedNow = static_cast<int>(now);
    const auto next = static_cast<int>(lastEmit + tuning.intervalMs);
    const auto squeezeFrom = static_cast<std::uint32_t>(next - squeezeStartMs);
    const auto squeezeTop = static_cast<std::uint32_t>(next - squeezePeakMs);
    const float squeeze =
        elapsedFraction(signedNow, squeezeFrom, next - squeezePeakMs) - elapsedFraction(signedNow, squeezeTop, next);

    ObjectSprite sprite;
    sprite.texture = kuvaPicture(*engine->textures, emitterSheet);
    sprite.angleDegrees = tuning.restAngleDegrees;
    if (now > squeezeFrom) {
        sprite.angleDegrees +=
            static_cast<float>((std::sin(now * wobbleRatePerMs) - wobbleCentre) * squeeze * wobbleDegrees);
    }
    const Rect box = screenBox(*this);
    sprite.destination =
        Rect{box.x + pictureInset, box.y + tuning.pictureOffsetY, static_cast<std::int32_t>(width - pictureInset),
             static_cast<std::int32_t>(height - pictureInset)};
    sprite.scale = 1.0f - squeezeShrink * squeeze;
    drawObjectSprite(sprite);
}
