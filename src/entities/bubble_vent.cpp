#include "entities/bubble_vent.hpp"

#include "entities/rising_bubble.hpp"

namespace {

// The spout's mouth, from the box's centre across and from its top down.
constexpr float mouthAcross = 30.0f;
constexpr float mouthDown = 75.0f;

}  // namespace

BubbleVent::BubbleVent(int x, int y) : Emitter(x, y, EntityType::BubbleVent, numbers) {}

Entity* BubbleVent::emit()
{
    return new RisingBubble(static_cast<int>(getCenterX() + mouthAcross), static_cast<int>(getY() + mouthDown));
}
