// A long-necked bird on a cycle of 7500 ms: it stops for 3000 ms, rears up and blows bubbles to
// the side it faces, then walks for the rest and turns at every new cycle. Rearing up changes its
// box as well as its picture, but only while it is in view.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

class BubbleBlower : public Entity {
public:
    static constexpr std::uint32_t cycleMs = 7500;
    // Times in the cycle: rearing up from, blowing strictly between, walking from.
    static constexpr std::uint32_t riseFromMs = 1080;
    static constexpr std::uint32_t blowFromMs = 1380;
    static constexpr std::uint32_t blowUntilMs = 2700;
    static constexpr std::uint32_t walkFromMs = 3000;
    static constexpr std::uint32_t blowEveryFrames = 30;
    static constexpr float walkPixelsPerSecond = 40.0f;
    static constexpr float standingHeight = 182.0f;
    static constexpr float risingHeight = 220.0f;
    static constexpr float rearedHeight = 256.0f;

    BubbleBlower(int x, int y);

    void update(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;
    // Takes the pose of the moment, which sets the box; off screen it keeps its last size.
    void updateInView(GameEngine* engine) override;

    std::uint32_t cycleStart = 0;
    bool movingRight = false;
    int groundY;

private:
    // Where in its cycle the blower stands at a moment.
    enum class Phase { Walking, Idle, Rising, Reared, Sinking };
    Phase phaseAt(std::uint32_t now) const;
    void blow();
    // The cell of kuva12.png the moment shows.
    Rect poseCell(std::uint32_t now, std::uint32_t frameCount) const;
    // A new height with the feet kept at groundY + standingHeight.
    void standAt(float newHeight);
};
