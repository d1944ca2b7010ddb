#include "entities/entity.hpp"

#include <cmath>

#include "graphics/video.hpp"

void Entity::kill(GameEngine* /*engine*/)
{
    alive = false;
}

void Entity::savePosition(GameEngine* /*engine*/)
{
    oldPosition = position;
}

void Entity::draw(GameEngine* /*engine*/) {}

void Entity::updateInView(GameEngine* /*engine*/) {}

bool Entity::overlaps(const Entity* other) const
{
    return other != nullptr && boxesOverlap(overlapBox(), other->overlapBox());
}

OverlapBox Entity::overlapBox() const
{
    const float left = getX();
    const float top = getY();
    return OverlapBox{left, left + getBoxWidth(), top, top + getBoxHeight()};
}

float Entity::angleTo(float x, float y) const
{
    return std::atan2(y - getCenterY(), x - getCenterX());
}

float Entity::getCenterX() const
{
    return position.x + width * 0.5f;
}

float Entity::getCenterY() const
{
    return position.y + height * 0.5f;
}

float Entity::getX() const
{
    return position.x;
}

float Entity::getY() const
{
    return position.y;
}

float Entity::getWidth() const
{
    return width;
}

float Entity::getHeight() const
{
    return height;
}

float Entity::getBoxWidth() const
{
    return width;
}

float Entity::getBoxHeight() const
{
    return height;
}

void Entity::setWorld(World* owner)
{
    world = owner;
}

Rect Entity::getViewRect() const
{
    // Truncation toward zero, not flooring: a centre at -3.7 gives -3.
    const auto cx = static_cast<std::int32_t>(getCenterX());
    const auto cy = static_cast<std::int32_t>(getCenterY());
    return Rect{cx - screenWidth / 2, cy - screenHeight / 2, screenWidth, screenHeight};
}
