// A solid box of the hat's type, for the objects that react to the hat: it moves only where the
// test puts it and keeps what it touched.
#pragma once

#include <vector>

#include "entities/entity.hpp"

namespace testing_support {

class StandInHat : public Entity {
public:
    StandInHat(float x, float y, float size = 50.0f)
    {
        position.set(x, y, 0.0f);
        width = height = size;
        type = typeId(EntityType::Hat);
    }
    void update(GameEngine*) override {}
    bool collide(GameEngine*, Entity* other, Level*) override
    {
        touched.push_back(other);
        return false;
    }

    std::vector<Entity*> touched;
};

}  // namespace testing_support
