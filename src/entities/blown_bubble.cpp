#include "entities/blown_bubble.hpp"

#include "engine/game_engine.hpp"

BlownBubble::BlownBubble(int x, int y) : Bubble(x, y, EntityType::BlownBubble) {}

void BlownBubble::update(GameEngine* engine)
{
    // Only the whole pixels of this frame's drift count, each way alike: truncating the sum instead
    // would take a pixel every frame from a bubble blown left, long after its drift has died.
    baseX += static_cast<int>(phase * engine->timer->frameSeconds);
    phase *= driftKeptPerFrame;
    rise(engine);
}
