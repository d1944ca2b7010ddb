#include "entities/dropper.hpp"

#include "entities/dropped_item.hpp"

namespace {

// The mouth, below the top of the box at its centre.
constexpr float mouthDown = 300.0f;

}  // namespace

Dropper::Dropper(int x, int y) : Emitter(x, y, EntityType::Dropper, numbers) {}

Entity* Dropper::emit()
{
    return new DroppedItem(static_cast<int>(getCenterX()), static_cast<int>(getY() + mouthDown));
}
