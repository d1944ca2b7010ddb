// The container of one level in play: owns the level and every entity, makes level objects from
// type ids, runs the per-frame update walk with its contact tests, and draws in a fixed order.
#pragma once

#include <cstdint>
#include <memory>

#include "entities/entity.hpp"
#include "world/level.hpp"
#include "world/linked_list.hpp"

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
    void draw(GameEngine* engine);
    // Deletes every entity, from the tail to the head.
    void clear();

    std::unique_ptr<Level> level;
    LinkedList<Entity> objects;
    // The last start point the factory made; not owned.
    Entity* startPoint = nullptr;

protected:
    // The kind of each type id; null for ids that have none.
    virtual Entity* createObject(std::int32_t x, std::int32_t y, std::int32_t type);

private:
    void takeTurn(GameEngine* engine, Entity* entity);
};
