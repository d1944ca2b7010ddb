// Base of the hat and of every level object: a box in level pixels that the world updates,
// tests for contact and draws. Entities never delete themselves; they clear `alive`.
#pragma once

#include <cassert>
#include <cstdint>

#include "entities/vector3.hpp"
#include "graphics/rect.hpp"

class GameEngine;
class Level;
class World;

// Values of Entity::type. The level file's factory makes 0 to 7; the rest appear during play.
enum class EntityType : std::int32_t {
    Hat = -2,
    StartPoint = 0,
    Toilet = 1,
    Thrower = 2,
    BubbleVent = 3,
    BubbleBlower = 4,
    Dropper = 5,
    Bumper = 6,
    FadingBumper = 7,
    Item = 100,  // thrown and dropped items alike
    RisingBubble = 101,
    BlownBubble = 102,
};

constexpr std::int32_t typeId(EntityType kind)
{
    return static_cast<std::int32_t>(kind);
}

// An entity taken as the kind its type id says it is. The ids decide (they are the game's), and the
// assertion catches an entity whose id does not match its class.
template <typename Kind, typename Base>
Kind* asKind(Base* entity)
{
    assert(dynamic_cast<Kind*>(entity) != nullptr);
    return static_cast<Kind*>(entity);
}

// Type ids 0 to levelObjectKindCount - 1 are the kinds a level file can place.
constexpr std::int32_t levelObjectKindCount = 8;

// A box as the overlap test reads it: right = left + box width, bottom = top + box height.
struct OverlapBox {
    float left = 0.0f;
    float right = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;
};

// The closed box test: boxes that only touch along an edge or at a corner overlap. A coordinate
// that is not a number rejects nothing.
inline bool boxesOverlap(const OverlapBox& a, const OverlapBox& b)
{
    return !(a.bottom < b.top || a.top > b.bottom || a.right < b.left || a.left > b.right);
}

class Entity {
public:
    Entity() = default;
    virtual ~Entity() = default;
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // The virtual operations keep this order: other kinds rely on the table's layout.
    virtual void kill(GameEngine* engine);
    virtual void savePosition(GameEngine* engine);
    virtual void update(GameEngine* engine) = 0;
    virtual void draw(GameEngine* engine);
    // Closed boxes: touching along an edge or at a corner counts.
    virtual bool overlaps(const Entity* other) const;
    // `other` is null for terrain. The world ignores the result.
    virtual bool collide(GameEngine* engine, Entity* other, Level* level) = 0;
    // Radians from the box centre; y grows downward, so straight below is +pi/2.
    virtual float angleTo(float x, float y) const;
    virtual float getCenterX() const;
    virtual float getCenterY() const;
    virtual float getX() const;
    virtual float getY() const;
    virtual float getWidth() const;
    virtual float getHeight() const;
    virtual float getBoxWidth() const;
    virtual float getBoxHeight() const;
    virtual void setWorld(World* owner);
    // A screen-sized rectangle centred on the entity, unclamped.
    virtual Rect getViewRect() const;
    // The rules of a kind that depend on being in view (a pose that changes the box, an end that
    // comes only on screen). The world's view pass calls it once per simulated frame, after the
    // camera has moved, whether or not the frame is drawn. Default: nothing.
    virtual void updateInView(GameEngine* engine);

    // The box `overlaps` tests, read through the box getters.
    OverlapBox overlapBox() const;

    // Which other entities this kind's own `collide` can act on. The world skips its contacts with
    // the rest: they could only call a `collide` that does nothing, so no call that does something
    // is lost or moved.
    enum class Meets : std::uint8_t { Everyone, HatsOnly, NoOne };
    bool mayMeet(const Entity* other) const
    {
        return meets == Meets::Everyone || (meets == Meets::HatsOnly && other->type == typeId(EntityType::Hat));
    }

    World* world = nullptr;
    bool alive = true;
    Vector3 position;
    Vector3 oldPosition;
    float width = 0.0f;
    float height = 0.0f;
    std::int32_t type = 0;
    bool solid = true;
    Meets meets = Meets::Everyone;
};
