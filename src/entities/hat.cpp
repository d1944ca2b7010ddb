#include "entities/hat.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/game_engine.hpp"
#include "entities/bubble.hpp"
#include "entities/effect_manager.hpp"
#include "entities/projectile.hpp"
#include "entities/timing.hpp"
#include "graphics/font.hpp"
#include "graphics/sprite.hpp"
#include "graphics/tables.hpp"
#include "graphics/video.hpp"
#include "records/format_time.hpp"
#include "world/level.hpp"

namespace {

// Single-precision pi, as the rest of the game's angles use it.
constexpr float pi = 3.1415927f;

// Flight, per second (or per second squared).
constexpr float thrustPerSecond = 850.0f;
constexpr float easyTurnPerSecond = 2.8f;
constexpr float hardTurnAcceleration = 4.0f;
// The pull is strongest at the level top and weakest at its bottom.
constexpr float gravityAtBottom = -150.9f;
constexpr float gravityHeightGain = 350.0f;
constexpr float speedLimit = 450.0f;
constexpr float dragX = 17.5f;
constexpr float dragY = 50.0f;
constexpr float dragDeadBand = 0.1f;
// Hard mode's pendulum.
constexpr float angularDamping = 0.99f;
constexpr float angularDrag = 0.1f;
constexpr float angularDeadBand = 0.001f;

// The gas meter.
constexpr float easyPressurePerSecond = 1150.0f;
constexpr float hardPressurePerSecond = 1250.0f;
constexpr float gasPerThrustMs = 2.5f;
constexpr std::uint32_t puffEveryFrames = 15;
constexpr std::uint32_t emberEveryFrames = 8;
constexpr int shardsPerBurst = 80;
constexpr float tailReach = 30.0f;

// Contacts.
constexpr float terrainRebound = -0.6f;
constexpr float bumperRebound = 1.6f;
constexpr int hardBumpSpeed = 45;
constexpr float dustPerBumpSpeed = 0.3f;
constexpr float easyBumpDamage = 0.75f;
constexpr float hardBumpDamage = 0.6f;
constexpr std::int32_t capacityFloor = 2000;

// Carrying: the hat closes in on the bubble over this time, and is let go near the level top.
constexpr float carryInMs = 2000.0f;
constexpr float releaseHeight = 75.0f;

constexpr int shrinkAfterBurstMs = 1500;
constexpr float turnBarDrop = 65.0f;
constexpr float turnBarPerSpeed = 30.0f;
constexpr int turnBarHeight = 30;
constexpr int hatPicture = Hat::picture;
constexpr int turnBarPicture = 13;  // kuva13.png

// The gas meter: two bars standing on y = 590; the start capacity of 10000 is 250 units high.
constexpr float meterLeft = 10.0f;
constexpr float meterRight = 25.0f;
constexpr float meterBottom = 590.0f;
constexpr float meterTop = 340.0f;
constexpr float meterHeight = 250.0f;
constexpr float meterPerGas = 0.0001f;
constexpr float meterAlpha = 0.6f;
constexpr int timeTextX = 10;
constexpr int timeTextY = 20;

// Towards zero as a cast, but held inside int: a frame can be long enough (a resumed machine, a
// replayed clock) to carry the gas or a position past it.
int truncated(float v)
{
    constexpr float below = -2147483648.0f;
    constexpr float above = 2147483520.0f;  // the largest float under 2^31
    if (std::isnan(v)) {
        return 0;
    }
    return static_cast<int>(std::min(std::max(v, below), above));
}

float towardZero(float speed, float drag, float deadBand)
{
    if (speed > deadBand) {
        return speed - drag;
    }
    if (speed < -deadBand) {
        return speed + drag;
    }
    return 0.0f;
}

float limited(float speed)
{
    if (speed > speedLimit) {
        return speedLimit;
    }
    if (speed < -speedLimit) {
        return -speedLimit;
    }
    return speed;
}

void fillBar(float top)
{
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glVertex2f(meterLeft, top);
    glVertex2f(meterRight, top);
    glVertex2f(meterRight, meterBottom);
    glVertex2f(meterLeft, meterBottom);
    glEnd();
}

}  // namespace

Hat::Hat() : angle(pi * 0.5f)
{
    width = sizePixels;
    height = sizePixels;
    type = typeId(EntityType::Hat);
    solid = true;
    const float half = sizePixels * 0.5f;
    position.set(static_cast<float>(screenWidth / 2) - half, static_cast<float>(screenHeight / 2) - half, 0.0f);
}

void Hat::kill(GameEngine* /*engine*/) {}

void Hat::update(GameEngine* engine)
{
    const FrameTimer& timer = *engine->timer;
    const float dt = FrameTimer::secondsOf(timer.frameMs);

    // The clock runs on after a burst, until the goal stops it.
    if (!goalReached) {
        levelTime += static_cast<std::int32_t>(timer.frameMs);
    }
    if (failed) {
        return;
    }
    growPressure(dt);
    if (keyThrust && static_cast<std::uint32_t>(pressure) > timer.frameMs) {
        thrust(engine, dt);
    }
    checkBurst(engine);
    applyGravity(dt);
    steer(dt, timer.frameSeconds);
    wrapAngle();
    limitSpeed();
    applyDrag(dt);
    move(engine, dt);
    if (hardMode) {
        swingUpright(dt);
    }
    emitEmbers(engine);
}

void Hat::growPressure(float dt)
{
    const float rate = hardMode ? hardPressurePerSecond : easyPressurePerSecond;
    pressure = truncated(static_cast<float>(pressure) + rate * dt);
    if (pressure > capacity) {
        pressure = capacity;
    }
}

void Hat::thrust(GameEngine* engine, float dt)
{
    const FrameTimer& timer = *engine->timer;
    if (timer.frameCount % puffEveryFrames == 0) {
        spawnAtTail(engine, static_cast<int>(EffectKind::Puff), 1);
        engine->soundSystem->playSound(SoundEffect::Puff);
    }
    // The push is away from the tail.
    velocityX -= std::cos(angle) * dt * thrustPerSecond;
    velocityY -= std::sin(angle) * dt * thrustPerSecond;
    pressure = truncated(static_cast<float>(pressure) - static_cast<float>(timer.frameMs) * gasPerThrustMs);
    if (pressure < 0) {
        pressure = 0;
    }
}

void Hat::checkBurst(GameEngine* engine)
{
    // A hat on the toilet has made it: it flies on while the result shows, but can no longer fail.
    if (pressure < capacity || failed || goalReached) {
        return;
    }
    spawnAtTail(engine, static_cast<int>(EffectKind::Shard), shardsPerBurst);
    failed = true;
    failedAt = engine->timer->lastTicks;
}

void Hat::applyGravity(float dt)
{
    const float depth = clampedFraction(getY(), 0.0f, static_cast<float>(Level::heightPixels));
    velocityY -= (gravityAtBottom - (1.0f - depth) * gravityHeightGain) * dt;
}

void Hat::steer(float dt, float frameSeconds)
{
    if (hardMode) {
        if (keyLeft) {
            angularVelocity += dt * hardTurnAcceleration;
        }
        if (keyRight) {
            angularVelocity -= dt * hardTurnAcceleration;
        }
        return;
    }
    if (keyRight) {
        angle += frameSeconds * easyTurnPerSecond;
    }
    if (keyLeft) {
        angle -= frameSeconds * easyTurnPerSecond;
    }
}

void Hat::wrapAngle()
{
    if (angle < 0.0f) {
        angle += TWO_PI;
    }
    if (angle > TWO_PI) {
        angle -= TWO_PI;
    }
}

void Hat::limitSpeed()
{
    velocityY = limited(velocityY);
    velocityX = limited(velocityX);
}

void Hat::applyDrag(float dt)
{
    velocityX = towardZero(velocityX, dt * dragX, dragDeadBand);
    velocityY = towardZero(velocityY, dt * dragY, dragDeadBand);
}

void Hat::move(GameEngine* engine, float dt)
{
    if (carrier != nullptr) {
        rideCarrier(engine);
        return;
    }
    position.x += dt * velocityX;
    position.y += dt * velocityY;
}

void Hat::rideCarrier(GameEngine* engine)
{
    // The carrier is still in the world here: a bubble only dies in its own turn, which comes after
    // the hat's (bubbles are made during play and so follow the hat in the list), and the world
    // deletes it at its next turn. So a dead carrier is seen, and let go, in this frame.
    if (!carrier->alive || carrier->position.y <= releaseHeight) {
        carrier = nullptr;
        engine->soundSystem->playSound(SoundEffect::Released);
        return;
    }
    // Measured as a difference, so that the ramp stays smooth however long the game has run.
    const std::uint32_t heldMs = engine->timer->lastTicks - carriedSince;
    const float closing = clampedFraction(static_cast<float>(heldMs), 0.0f, carryInMs);
    const Vector3 target = carrier->position;
    velocityX = 0.0f;
    velocityY = 0.0f;
    position.x -= (position.x - target.x) * closing;
    position.y -= (position.y - target.y) * closing;
}

void Hat::swingUpright(float dt)
{
    const float damped = angularVelocity * angularDamping;
    if (angle >= 0.0f && angle <= pi) {
        // The tail is pulled back towards straight down.
        angularVelocity = damped - (angle - pi * 0.5f) * dt;
    } else {
        // Straight up is an unstable balance: the hat falls to either side.
        angularVelocity = damped + (angle - pi * 1.5f) * dt;
    }
    angle += dt * angularVelocity;
    angularVelocity = towardZero(angularVelocity, dt * angularDrag, angularDeadBand);
}

void Hat::emitEmbers(GameEngine* engine)
{
    if (engine->timer->frameCount % emberEveryFrames == 0) {
        spawnAtTail(engine, static_cast<int>(EffectKind::Ember), 1);
    }
}

void Hat::spawnAtTail(GameEngine* engine, int kind, int count) const
{
    const int x = truncated(getCenterX() + std::cos(angle) * tailReach);
    const int y = truncated(getCenterY() + std::sin(angle) * tailReach);
    for (int i = 0; i < count; ++i) {
        engine->effects->spawn(x, y, kind, engine->timer->lastTicks, angle);
    }
}

bool Hat::collide(GameEngine* engine, Entity* other, Level* level)
{
    if (failed) {
        return false;
    }
    if (other == nullptr) {
        position = oldPosition;
        velocityX *= terrainRebound;
        velocityY *= terrainRebound;
        checkHardBump(engine);
        return false;
    }
    if (!other->solid) {
        return false;
    }
    switch (static_cast<EntityType>(other->type)) {
    case EntityType::Item: pushItem(other); break;
    case EntityType::RisingBubble:
    case EntityType::BlownBubble: return catchBubble(engine, other);
    default: reboundFrom(engine, other, level); break;
    }
    checkHardBump(engine);
    return false;
}

bool Hat::catchBubble(GameEngine* engine, Entity* other)
{
    auto* bubble = asKind<Bubble>(other);
    // A bubble that has died waits in the list only until its own turn deletes it: it must not
    // become the carrier, or the hat would hold it after it is gone.
    if (bubble->popped || !bubble->alive) {
        return true;
    }
    const std::uint32_t now = engine->timer->lastTicks;
    bubble->popped = true;
    bubble->poppedAt = now;
    carrier = bubble;
    carriedSince = now;
    engine->soundSystem->playSound(SoundEffect::Caught);
    return true;
}

Vector3 Hat::awayFrom(const Entity* other) const
{
    Vector3 away{getCenterX() - other->getCenterX(), getCenterY() - other->getCenterY(), 0.0f};
    return away.normalize();
}

Vector3 Hat::knock(const Vector3& away, float speed)
{
    // n - n * s: a push apart of s - 1 along n, so a slow touch draws the two very slightly together.
    Vector3 push = away;
    push.subtract(away.scaled(speed));
    velocityX -= push.x;
    velocityY -= push.y;
    return push;
}

void Hat::pushItem(Entity* other)
{
    auto* item = asKind<Projectile>(other);
    position = oldPosition;
    const Vector3 away = awayFrom(item);
    const float closing = Vector3{velocityX - item->velocityX, velocityY - item->velocityY, 0.0f}.length();
    // The item gets what the hat lost.
    const Vector3 push = knock(away, closing);
    item->velocityX += push.x;
    item->velocityY += push.y;
}

void Hat::reboundFrom(GameEngine* engine, Entity* other, Level* level)
{
    position = oldPosition;
    const Vector3 away = awayFrom(other);
    float speed = Vector3{velocityX, velocityY, 0.0f}.length();
    if (other->type == typeId(EntityType::Bumper) || other->type == typeId(EntityType::FadingBumper)) {
        speed *= bumperRebound;
        other->collide(engine, this, level);
    }
    knock(away, speed);
}

void Hat::checkHardBump(GameEngine* engine)
{
    if (std::abs(truncated(velocityX)) <= hardBumpSpeed && std::abs(truncated(velocityY)) <= hardBumpSpeed) {
        return;
    }
    engine->soundSystem->playSound(SoundEffect::Bump);
    const int specks = truncated(static_cast<float>(std::abs(truncated(velocityY + velocityX))) * dustPerBumpSpeed);
    for (int i = 0; i < specks; ++i) {
        engine->effects->spawn(truncated(getCenterX()), truncated(getCenterY()), static_cast<int>(EffectKind::Dust),
                               engine->timer->lastTicks, angle);
    }
    // Both bars shrink together, so the fill ratio stays but the room before a burst does not.
    const float damage = hardMode ? hardBumpDamage : easyBumpDamage;
    capacity = truncated(static_cast<float>(capacity) * damage);
    pressure = truncated(static_cast<float>(pressure) * damage);
    if (capacity < capacityFloor) {
        capacity = capacityFloor;
    }
}

void Hat::draw(GameEngine* engine)
{
    const int pictureWidth = truncated(getWidth() + pictureMargin);
    const int pictureHeight = truncated(getHeight() + pictureMargin);
    const int halfWidth = pictureWidth / 2;
    const int halfHeight = pictureHeight / 2;

    // The camera centres the hat, except where it is held at a level edge.
    int sx = screenWidth / 2 - halfWidth;
    int sy = screenHeight / 2 - halfHeight;
    if (viewRect.x == 0) {
        sx = truncated(getCenterX() - static_cast<float>(halfWidth));
    }
    if (viewRect.y == 0) {
        sy = truncated(getCenterY() - static_cast<float>(halfHeight));
    }
    if (viewRect.x + viewRect.w == Level::widthPixels) {
        sx = truncated(static_cast<float>(viewRect.w) -
                       (static_cast<float>(Level::widthPixels) - getCenterX() + static_cast<float>(halfWidth)));
    }
    if (viewRect.y + viewRect.h == Level::heightPixels) {
        sy = truncated(static_cast<float>(viewRect.h) -
                       (static_cast<float>(Level::heightPixels) - getCenterY() + static_cast<float>(halfHeight)));
    }

    // Redder as the pressure rises: pure red at the burst point.
    const float room = 1.0f - static_cast<float>(pressure) / static_cast<float>(capacity);
    glColor3f(1.0f, room, room);
    float scale = 1.0f;
    if (failed) {
        const std::uint32_t now = engine->timer->lastTicks;
        scale =
            1.0f - elapsedFraction(static_cast<int>(now), failedAt, static_cast<int>(failedAt + shrinkAfterBurstMs));
    }
    const TextureSet& textures = *engine->textures;
    drawSprite(Rect{sx, sy, pictureWidth, pictureHeight}, kuvaPicture(textures, hatPicture), wholeSheet,
               angle * radiansToDegrees, scale);

    if (hardMode) {
        // The turning speed as a bar under the hat; turning the other way mirrors it to the left.
        glColor3f(1.0f, 1.0f, 1.0f);
        const Rect bar{truncated(static_cast<float>(pictureWidth) * 0.5f + static_cast<float>(sx)),
                       truncated(static_cast<float>(pictureHeight) * 0.5f + static_cast<float>(sy) + turnBarDrop),
                       truncated(angularVelocity * turnBarPerSpeed), turnBarHeight};
        drawSprite(bar, kuvaPicture(textures, turnBarPicture), wholeSheet, 0.0f, 1.0f);
    }
}

void Hat::drawHud(GameEngine* engine)
{
    const float capacityTop = meterTop + (meterHeight - static_cast<float>(capacity) * meterPerGas * meterHeight);
    const float fill = static_cast<float>(pressure) / static_cast<float>(capacity);
    const float pressureTop = meterTop + (meterHeight - fill * (meterBottom - capacityTop));

    glColor4f(1.0f, 0.0f, 0.0f, meterAlpha);
    fillBar(capacityTop);
    if (failed) {
        // From green to red over the time the burst hat shrinks away.
        const float burnt = elapsedFraction(static_cast<int>(engine->timer->lastTicks), failedAt,
                                            static_cast<int>(failedAt + shrinkAfterBurstMs));
        glColor4f(burnt, 1.0f - burnt, 0.0f, meterAlpha);
    } else {
        glColor4f(0.0f, 1.0f, 0.0f, meterAlpha);
    }
    fillBar(pressureTop);

    glColor3f(1.0f, 1.0f, 1.0f);
    char time[timeTextSize];
    formatTime(levelTime, time);
    char text[timeTextSize + 8];
    std::snprintf(text, sizeof text, "Time: %s", time);
    printText(*engine->textures, timeTextX, timeTextY, text, 1, 0.0f, 1.0f);
}
