// A big spout that lets a rising bubble out every 2500 ms.
#pragma once

#include "entities/emitter.hpp"

class BubbleVent : public Emitter {
public:
    static constexpr EmitterNumbers numbers{2500, 0.0f, 30};

    BubbleVent(int x, int y);

protected:
    Entity* emit() override;
};
