// Objects that make objects hand them to their own world; one without a world (a lone object
// under test) makes and discards them, so the random sequence is drawn the same either way.
#pragma once

#include "entities/entity.hpp"
#include "world/world.hpp"

inline void addToWorld(World* world, Entity* product)
{
    if (world != nullptr) {
        world->add(product);
    } else {
        delete product;
    }
}
