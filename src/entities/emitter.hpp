// What the bubble vent and the dropper share: a big static source that makes one object every
// interval and wobbles, squeezed, in the 600 ms before each emission.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

// The numbers that tell one emitter kind from the other.
struct EmitterNumbers {
    std::uint32_t intervalMs;     // emits once strictly more than this after the last emission
    float restAngleDegrees;       // the picture's turn outside the wobble
    std::int32_t pictureOffsetY;  // the picture's top below the box's top (above when negative)
};

class Emitter : public Entity {
public:
    static constexpr float sizePixels = 450.0f;

    void update(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;

    std::uint32_t lastEmit = 0;

protected:
    Emitter(int x, int y, EntityType kind, const EmitterNumbers& kindNumbers);
    // The new object, placed at the emitter's mouth.
    virtual Entity* emit() = 0;

private:
    EmitterNumbers tuning;
};
