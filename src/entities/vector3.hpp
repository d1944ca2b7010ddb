// A point or a velocity in level pixels; z is always 0 in the game.
#pragma once

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
