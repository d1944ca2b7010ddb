// A bubble from a vent: it rises, swaying wider and wider, until terrain or the top ends it.
#pragma once

#include "entities/bubble.hpp"

class RisingBubble : public Bubble {
public:
    RisingBubble(int x, int y);

    void update(GameEngine* engine) override;
};
