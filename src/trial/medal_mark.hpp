// A medal as a small coin drawn in its metal with an outline and a glint: no picture of its own,
// so the texture set stays as it is.
#pragma once

#include "trial/medal_table.hpp"

struct MedalColour {
    float r;
    float g;
    float b;
};

MedalColour medalColour(Medal medal);
// Nothing for Medal::None. Leaves texturing off and the colour white.
void drawMedalMark(Medal medal, float centreX, float centreY, float radius);
