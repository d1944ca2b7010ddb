// Marks where the hat begins: the world puts the hat's corner on its centre. The hat passes through it.
#pragma once

#include "entities/entity.hpp"

class StartPoint : public Entity {
public:
    static constexpr float sizePixels = 100.0f;

    // (x, y) is the top-left corner.
    StartPoint(int x, int y);

    void update(GameEngine* engine) override;
    // A picture swinging back and forth, about 4.8 s to and fro.
    void draw(GameEngine* engine) override;
    bool collide(GameEngine* engine, Entity* other, Level* level) override;
};
