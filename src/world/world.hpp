// The container of one level in play: owns the level and every entity, makes level objects from
// type ids, runs the per-frame update walk with its contact tests, and draws in a fixed order.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "entities/entity.hpp"
#include "world/level.hpp"
#include "world/linked_list.hpp"
#include "world/pair_index.hpp"

class GameEngine;

class World {
public:
    World();
    virtual ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // The factory: places the kind of `type` with its top-left corner at (x, y) and adds it.
    // Ids without a kind create nothing and report nothing.
    void spawnObject(std::int32_t x, std::int32_t y, std::int32_t type);
    // The world owns the entity from here on. The hat is put on the last start point.
    void add(Entity* entity);
    void update(GameEngine* engine);
    // The rules that test what is on screen against the view, each entity's in list order: once per
    // simulated frame, after the camera has moved, while the level is not paused. Drawing never
    // runs them, so a frame simulated without being drawn plays exactly as a drawn one.
    void updateInView(GameEngine* engine);
    // The three parts of a frame's picture in painter's order, so that something can lie between
    // the level's back layers and its entities.
    void drawBackLayers(GameEngine* engine);
    void drawObjects(GameEngine* engine);
    void drawForeground(GameEngine* engine);
    // All three; while the current state is paused only the level's layers show. What
    // `underObjects` draws lies between the back layers and the objects, and shows only with them.
    void draw(GameEngine* engine, const std::function<void()>& underObjects = nullptr);
    // Deletes every entity, from the tail to the head.
    void clear();

    // From this many entities on, a walk tests each entity only against those whose boxes could
    // overlap its own (a level file can place 9375 objects); the collide calls stay the same. The
    // index trusts that a box changes only in its entity's own turn (its update and its contacts)
    // or between walks, as every kind of the game does.
    static constexpr std::int32_t defaultPairIndexFrom = 48;

    std::unique_ptr<Level> level;
    LinkedList<Entity> objects;
    // The last start point the factory made; not owned.
    Entity* startPoint = nullptr;
    std::int32_t pairIndexFrom = defaultPairIndexFrom;
    // Whether a turn skips the contacts its entity's `collide` ignores (Entity::meets). Off, every
    // overlapping pair is still called: the same game, only slower.
    bool skipsIgnoredContacts = true;

protected:
    // The kind of each type id; null for ids that have none.
    virtual Entity* createObject(std::int32_t x, std::int32_t y, std::int32_t type);

private:
    void takeTurn(GameEngine* engine, Entity* entity, std::int32_t place);
    void meetAll(GameEngine* engine, Entity* entity);
    void meetNearby(GameEngine* engine, Entity* entity, std::int32_t place);

    // Valid during a walk that uses it; its places count the walk's entities in list order.
    PairIndex pairs;
    bool indexing = false;
    std::vector<std::int32_t> nearby;
};
