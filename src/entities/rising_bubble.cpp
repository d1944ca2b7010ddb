#include "entities/rising_bubble.hpp"

RisingBubble::RisingBubble(int x, int y) : Bubble(x, y, EntityType::RisingBubble) {}

void RisingBubble::update(GameEngine* engine)
{
    rise(engine);
}
