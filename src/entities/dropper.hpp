// The spout hung upside down: it drops an item every 1500 ms.
#pragma once

#include "entities/emitter.hpp"

class Dropper : public Emitter {
public:
    static constexpr EmitterNumbers numbers{1500, 180.0f, -45};

    Dropper(int x, int y);

protected:
    Entity* emit() override;
};
