// Where a level object's box stands and whether it shows: factory kinds stand with their top-left
// corner on their point, the kinds made in play are centred on theirs.
#pragma once

#include <cstdint>

#include "entities/entity.hpp"
#include "graphics/rect.hpp"

void placeCorner(Entity& entity, int x, int y, float width, float height, EntityType kind, bool solid);
void placeCentred(Entity& entity, int x, int y, float size, EntityType kind);

// The object's own box, truncated to whole pixels, against the view.
bool boxOnScreen(const Entity& entity);
// The box on screen: (int(x - view x), int(y - view y), int(width), int(height)).
Rect screenBox(const Entity& entity);
