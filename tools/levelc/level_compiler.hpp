// Source to map: lays the tiles the rules ask for, then holds the pictures against the terrain.
#pragma once

#include "collision_pictures.hpp"
#include "level_source.hpp"

class LevelCompiler {
public:
    // Without pictures only the rules-free parts are made and nothing is measured. Throws a
    // LevelError at the source line and column of the first fault.
    static MapData compile(const LevelSource& source, const CollisionPictures* pictures);
};
