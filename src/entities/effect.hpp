// A short-lived picture that moves on its own clock and never touches the game: the shared start,
// clock, motion and drawing rules of every effect kind.
#pragma once

#include <cstdint>

#include "entities/vector3.hpp"
#include "graphics/rect.hpp"
#include "graphics/sprite.hpp"

class GameEngine;

// What an effect shows in one draw: the tint (its alpha fades it), the sheet, the cell and the turn.
struct EffectLook {
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
    std::uint32_t texture = 0;
    Rect source{};
    float angleDegrees = 0.0f;

    // An even grey tint, the look of the dust, the shards and the menu's pictures.
    static EffectLook grey(float level, float alphaValue, std::uint32_t textureName, float angle)
    {
        return {level, level, level, alphaValue, textureName, wholeSheet, angle};
    }
};

class Effect {
public:
    virtual ~Effect() = default;
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    // Skipped when off screen; otherwise tinted, drawn at scale 1, and the colour set back to white.
    virtual void draw(GameEngine* engine);
    // Starts with a heading in radians; kinds without one ignore it and do nothing here.
    virtual void startAimed(Vector3 point, std::uint32_t now, float angle);
    // Sets size, times and motion, and centres the square on the point.
    virtual void start(Vector3 point, std::uint32_t now) = 0;
    // Advances the clock by the frame and moves; false once the clock has passed the lifetime.
    virtual bool update(int frameMs);
    // Called by the manager just before the expired effect is released.
    virtual void expire();

    // The look of a draw that passed the screen test (a shard's spin advances here, so only then).
    virtual EffectLook look(GameEngine* engine) = 0;
    // The effect's own time, startTime + elapsed, which every fade reads.
    int effectTime() const;

    Vector3 position;
    int width = 0;
    int height = 0;
    int elapsed = 0;
    std::uint32_t startTime = 0;
    std::uint32_t endTime = 0;

protected:
    Effect() = default;

    // The start common to every kind; each kind's start calls it first, then sets its own fields.
    void begin(Vector3 point, std::uint32_t now, int size, std::uint32_t lifetimeMs);
    // One frame of the kind's motion; seconds is the frame's length.
    virtual void move(double seconds) = 0;
    // Speeds are kept in whole px/s: every change keeps only the integer part, toward zero.
    static int wholeSpeed(double pxPerSecond) { return static_cast<int>(pxPerSecond); }
    void drift(int velocityX, int velocityY, double seconds);

    // step x (gameRand() % steps): one draw of the game's own sequence, so the order of calls matters.
    static double randomStep(int steps, double step);

    // A throw in a random direction all round: the speed is drawn first, then the direction.
    struct Scatter {
        int velocityX;
        int velocityY;
        double direction;  // radians, 0 to almost 2 pi
    };
    static Scatter scatter(double baseSpeed);
};
