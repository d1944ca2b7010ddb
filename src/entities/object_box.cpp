#include "entities/object_box.hpp"

#include "graphics/sprite.hpp"

void placeCorner(Entity& entity, int x, int y, float width, float height, EntityType kind, bool solid)
{
    entity.position.set(static_cast<float>(x), static_cast<float>(y), 0.0f);
    entity.width = width;
    entity.height = height;
    entity.type = typeId(kind);
    entity.solid = solid;
}

void placeCentred(Entity& entity, int x, int y, float size, EntityType kind)
{
    const float half = size * 0.5f;
    placeCorner(entity, x, y, size, size, kind, true);
    entity.position.x -= half;
    entity.position.y -= half;
}

bool boxOnScreen(const Entity& entity)
{
    return isOnScreen(static_cast<std::int32_t>(entity.position.x), static_cast<std::int32_t>(entity.position.y),
                      static_cast<std::int32_t>(entity.width), static_cast<std::int32_t>(entity.height));
}

Rect screenBox(const Entity& entity)
{
    return Rect{static_cast<std::int32_t>(entity.position.x - static_cast<float>(viewRect.x)),
                static_cast<std::int32_t>(entity.position.y - static_cast<float>(viewRect.y)),
                static_cast<std::int32_t>(entity.width), static_cast<std::int32_t>(entity.height)};
}
