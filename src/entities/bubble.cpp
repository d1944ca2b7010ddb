#include "entities/bubble.hpp"

#include <cmath>

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "engine/tick_source.hpp"
#include "entities/object_box.hpp"
#include "entities/object_sprite.hpp"
#include "entities/timing.hpp"

namespace {

// phase = phaseStep x (phaseMiddle - gameRand() % phaseChoices): -0.96 to 1.0
constexpr int phaseChoices = 50;
constexpr int phaseMiddle = 25;
constexpr float phaseStep = 0.04f;

constexpr float buoyancyPerSecond = 395.55f;
constexpr float dampingPerFrame = 0.95f;
constexpr float swayPixels = 105.0f;
constexpr int swayWideningMs = 2500;
constexpr double swayRatePerMs = 0.0016666667;

constexpr int fadeInMs = 500;
constexpr int turnMs = 15000;
constexpr float turnDegrees = 4600.0f;
constexpr float fadeInTurnDegrees = 360.0f;
// The bubble fades out over its last pixels below the top of the level.
constexpr float topFadePixels = 75.0f;
constexpr float swellMs = 1500.0f;
constexpr float swellFactor = 3.0f;
constexpr float peakAlpha = 0.8f;
constexpr Tint bubbleTint{0.2f, 0.3f, 0.7f, 1.0f};
constexpr float blueSwing = 0.2f;
constexpr Rect bubbleCell{256, 128, 128, 128};

}  // namespace

Bubble::Bubble(int x, int y, EntityType kind)
{
    placeCentred(*this, x, y, sizePixels, kind);
    meets = Meets::NoOne;
    bornAt = currentTicks();
    phase = phaseStep * static_cast<float>(phaseMiddle - gameRand() % phaseChoices);
    baseX = static_cast<int>(position.x);
}

bool Bubble::collide(GameEngine* /*engine*/, Entity* other, Level* /*level*/)
{
    if (other == nullptr) {
        alive = false;
    }
    return false;
}

void Bubble::rise(GameEngine* engine)
{
    const std::uint32_t now = engine->timer->lastTicks;
    const float dt = engine->timer->frameSeconds;
    velocityY = (velocityY - buoyancyPerSecond * dt) * dampingPerFrame;
    const float widening = elapsedFraction(static_cast<int>(now), bornAt, static_cast<int>(bornAt + swayWideningMs));
    position.x = static_cast<float>(baseX + swayPixels * widening * std::sin(phase - now * swayRatePerMs));
    position.y += velocityY * dt;
}

void Bubble::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    const auto signedNow = static_cast<int>(now);
    const float fadeIn = elapsedFraction(signedNow, bornAt, static_cast<int>(bornAt + fadeInMs));
    const float turn = elapsedFraction(signedNow, bornAt, static_cast<int>(bornAt + turnMs));
    const float top = clampedFraction(position.y, 0.0f, topFadePixels);
    const float swell = popped ? swellFactor * clampedFraction(static_cast<float>(now), static_cast<float>(poppedAt),
                                                               static_cast<float>(poppedAt) + swellMs)
                               : 0.0f;
    ObjectSprite sprite;
    sprite.texture = engine->textures->effect;
    sprite.source = bubbleCell;
    sprite.destination = screenBox(*this);
    sprite.angleDegrees = turn * turnDegrees + fadeIn * fadeInTurnDegrees;
    sprite.scale = (swell + fadeIn) * top;
    sprite.tint = bubbleTint;
    // A blown bubble's decaying sideways speed stands in for the phase here.
    sprite.tint.blue += static_cast<float>(blueSwing * std::sin(now * phase * swayRatePerMs));
    sprite.tint.alpha = top * fadeIn * peakAlpha;
    drawObjectSprite(sprite);
}
