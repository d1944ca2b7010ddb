// The player: a hat that flies by blowing gas out of its tail. Its gas pressure grows by itself,
// thrust spends it, and the hat bursts when the pressure reaches its capacity. Bubbles catch and
// carry it; terrain, items and bumpers knock it back, and hard knocks shrink its gas meter.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

class Hat : public Entity {
public:
    static constexpr float sizePixels = 30.0f;
    static constexpr std::int32_t startPressure = 5000;
    static constexpr std::int32_t startCapacity = 10000;
    static constexpr std::uint32_t notFailed = 0xFFFFFFFFu;
    // The picture is larger than the box; the factor is the game's own, not exactly 180 / pi.
    static constexpr float pictureMargin = 60.0f;
    static constexpr float radiansToDegrees = 57.295f;
    static constexpr int picture = 1;  // kuva1.png

    Hat();

    // A hat is never killed: a level ends by the goal or a burst, and the world keeps it.
    void kill(GameEngine* engine) override;
    void update(GameEngine* engine) override;
    void draw(GameEngine* engine) override;
    // True only for a bubble; the world ignores the result.
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    // The gas meter at the left edge and the level time at the top left, in screen units.
    virtual void drawHud(GameEngine* engine);

    float angularVelocity = 0.0f;
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    // The direction the gas leaves in; straight down (the hat upright) at the start.
    float angle;
    bool newRecord = false;
    bool failed = false;
    std::uint32_t failedAt = notFailed;
    bool goalReached = false;
    bool keyLeft = false;
    bool keyRight = false;
    bool keyThrust = false;
    // The bubble holding the hat; owned by the world. Dropped as soon as the bubble dies, before the
    // world deletes it.
    Entity* carrier = nullptr;
    std::uint32_t carriedSince = 0;
    std::int32_t pressure = startPressure;
    std::int32_t capacity = startCapacity;
    std::int32_t levelTime = 0;
    bool hardMode = false;

private:
    void growPressure(float dt);
    void thrust(GameEngine* engine, float dt);
    void checkBurst(GameEngine* engine);
    void applyGravity(float dt);
    void steer(float dt, float frameSeconds);
    void wrapAngle();
    void limitSpeed();
    void applyDrag(float dt);
    void move(GameEngine* engine, float dt);
    void rideCarrier(GameEngine* engine);
    void swingUpright(float dt);
    void emitEmbers(GameEngine* engine);

    // Where the gas leaves: 30 px from the centre along the tail direction.
    void spawnAtTail(GameEngine* engine, int kind, int count) const;
    bool catchBubble(GameEngine* engine, Entity* other);
    void pushItem(Entity* other);
    void reboundFrom(GameEngine* engine, Entity* other, Level* level);
    // The unit vector from the other's centre to the hat's.
    Vector3 awayFrom(const Entity* other) const;
    // Changes the hat's speed by the push and returns the push.
    Vector3 knock(const Vector3& away, float speed);
    void checkHardBump(GameEngine* engine);
};
