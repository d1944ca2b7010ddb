#include "world/world.hpp"

#include "engine/game_engine.hpp"
#include "entities/bubble_blower.hpp"
#include "entities/bubble_vent.hpp"
#include "entities/bumper.hpp"
#include "entities/dropper.hpp"
#include "entities/effect_manager.hpp"
#include "entities/fading_bumper.hpp"
#include "entities/start_point.hpp"
#include "entities/thrower.hpp"
#include "entities/toilet.hpp"

World::World() : level(std::make_unique<Level>())
{
    level->setWorld(this);
}

World::~World()
{
    clear();
}

Entity* World::createObject(std::int32_t x, std::int32_t y, std::int32_t type)
{
    // Ids 0 to 7 are the level file's kinds: this is the one place that maps them to classes.
    switch (static_cast<EntityType>(type)) {
    case EntityType::StartPoint: return new StartPoint(x, y);
    case EntityType::Toilet: return new Toilet(x, y);
    case EntityType::Thrower: return new Thrower(x, y);
    case EntityType::BubbleVent: return new BubbleVent(x, y);
    case EntityType::BubbleBlower: return new BubbleBlower(x, y);
    case EntityType::Dropper: return new Dropper(x, y);
    case EntityType::Bumper: return new Bumper(x, y);
    case EntityType::FadingBumper: return new FadingBumper(x, y);
    default:
        // Ids 8 and above, and negative ids, are not level objects.
        return nullptr;
    }
}

void World::spawnObject(std::int32_t x, std::int32_t y, std::int32_t type)
{
    Entity* object = createObject(x, y, type);
    if (object == nullptr) {
        return;
    }
    add(object);
    if (type == typeId(EntityType::StartPoint)) {
        startPoint = object;
    }
}

void World::add(Entity* entity)
{
    if (entity == nullptr) {
        return;
    }
    // The hat's top-left corner, not its centre, goes on the start point's centre.
    if (entity->type == typeId(EntityType::Hat) && startPoint != nullptr) {
        entity->position = Vector3{startPoint->getCenterX(), startPoint->getCenterY(), 0.0f};
    }
    entity->setWorld(this);
    objects.pushBack(entity);
}

void World::update(GameEngine* engine)
{
    // Entities spawned during the walk go to the tail and get their turn in this same walk;
    // a dead entity is removed at its own turn and the one after it still takes its turn.
    auto at = objects.begin();
    while (at != objects.end()) {
        Entity* entity = *at;
        if (!entity->alive) {
            at = objects.erase(at);
            continue;
        }
        takeTurn(engine, entity);
        ++at;
    }
    if (engine->effects != nullptr) {
        engine->effects->update(static_cast<int>(engine->timer->frameMs));
    }
}

void World::takeTurn(GameEngine* engine, Entity* entity)
{
    entity->savePosition(engine);
    entity->update(engine);
    if (level->collides(entity)) {
        entity->collide(engine, nullptr, level.get());
    }
    // Dead entities still in the list take part until their own turn removes them.
    for (Entity* other : objects) {
        if (other != entity && entity->overlaps(other)) {
            entity->collide(engine, other, level.get());
        }
    }
}

void World::draw(GameEngine* engine)
{
    level->drawBackground(engine);
    level->drawParallax(engine);
    level->drawPieces(engine);
    // While paused only the level shows. Without a state nothing is paused.
    if (engine->state == nullptr || engine->state->active) {
        // Effects lie under every entity.
        if (engine->effects != nullptr) {
            engine->effects->draw(engine);
        }
        for (Entity* entity : objects) {
            entity->draw(engine);
        }
    }
    level->drawForeground(engine);
}

void World::clear()
{
    objects.clear();
    startPoint = nullptr;
}
