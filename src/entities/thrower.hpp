// A walking imp: each cycle of 4500 ms it stands for a second, throws one item just after that
// and walks on; it turns round at every new cycle and ignores terrain.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"

class Thrower : public Entity {
public:
    static constexpr std::uint32_t cycleMs = 4500;
    static constexpr std::uint32_t standMs = 1000;
    static constexpr float walkPixelsPerSecond = 30.0f;

    Thrower(int x, int y);

    void update(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
    void draw(GameEngine* engine) override;

    std::uint32_t cycleStart = 0;
    bool hasThrown = false;
    bool movingRight = false;

private:
    void throwItem(GameEngine* engine);
};
