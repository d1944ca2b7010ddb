#include "hat_state.hpp"

#include "entities/hat.hpp"

HatState HatState::of(const Hat& hat)
{
    HatState state;
    state.x = hat.getX();
    state.y = hat.getY();
    state.velocityX = hat.velocityX;
    state.velocityY = hat.velocityY;
    state.angle = hat.angle;
    state.angularVelocity = hat.angularVelocity;
    state.pressure = hat.pressure;
    state.capacity = hat.capacity;
    state.hardMode = hat.hardMode;
    state.carried = hat.carrier != nullptr;
    return state;
}
