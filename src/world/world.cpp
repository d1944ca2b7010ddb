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
    if (indexing) {
        pairs.append(entity);
    }
}

void World::update(GameEngine* engine)
{
    indexing = objects.size() >= pairIndexFrom;
    if (indexing) {
        pairs.rebuild(objects);
    }
    // Entities spawned during the walk go to the tail and get their turn in this same walk;
    // a dead entity is removed at its own turn and the one after it still takes its turn.
    std::int32_t place = 0;
    auto at = objects.begin();
    while (at != objects.end()) {
        Entity* entity = *at;
        // The list changed other than through this world: the rest of the walk tests every pair.
        if (indexing && (!pairs.holds(place, entity) || pairs.liveCount() != objects.size())) {
            indexing = false;
        }
        if (!entity->alive) {
            at = objects.erase(at);
            if (indexing) {
                pairs.remove(place);
            }
        } else {
            takeTurn(engine, entity, place);
            ++at;
        }
        ++place;
    }
    indexing = false;
    pairs.clear();
    if (engine->effects != nullptr) {
        engine->effects->update(static_cast<int>(engine->timer->frameMs));
    }
}

void World::takeTurn(GameEngine* engine, Entity* entity, std::int32_t place)
{
    entity->savePosition(engine);
    entity->update(engine);
    if (level->collides(entity)) {
        entity->collide(engine, nullptr, level.get());
    }
    if (indexing) {
        pairs.refresh(place);
        if (!skipsIgnoredContacts || entity->meets != Entity::Meets::NoOne) {
            meetNearby(engine, entity, place);
        }
    } else {
        meetAll(engine, entity);
    }
}

void World::meetAll(GameEngine* engine, Entity* entity)
{
    // Dead entities still in the list take part until their own turn removes them.
    for (Entity* other : objects) {
        if (other != entity && (!skipsIgnoredContacts || entity->mayMeet(other)) && entity->overlaps(other)) {
            entity->collide(engine, other, level.get());
        }
    }
}

void World::meetNearby(GameEngine* engine, Entity* entity, std::int32_t place)
{
    // The same collide calls in the same order as meetAll: the candidates come in list order, and
    // whenever a contact moved this entity to other cells or added entities, the rest of the list
    // is looked up again from where the walk stands.
    using Footprint = PairIndex::Footprint;
    std::int32_t done = -1;
    bool again = true;
    while (again) {
        again = false;
        const PairIndex::Cells cells = pairs.cellsAt(place);
        const std::uint32_t appends = pairs.appendCount();
        Footprint own = Footprint::of(entity);
        OverlapBox box = pairs.boxAt(place);
        if (skipsIgnoredContacts && entity->meets == Entity::Meets::HatsOnly) {
            pairs.hatsAfter(done, place, nearby);
        } else {
            pairs.candidates(cells, done, place, nearby);
        }
        for (const std::int32_t candidate : nearby) {
            done = candidate;
            if (!boxesOverlap(box, pairs.boxAt(candidate))) {
                continue;
            }
            entity->collide(engine, pairs.at(candidate), level.get());
            // Only the entity whose turn it is moves in its contacts (the hat's rebound).
            if (Footprint::of(entity) != own) {
                own = Footprint::of(entity);
                pairs.refresh(place);
                box = pairs.boxAt(place);
                again = pairs.cellsAt(place) != cells;
            }
            if (again || pairs.appendCount() != appends) {
                again = true;
                break;
            }
        }
    }
}

void World::updateInView(GameEngine* engine)
{
    for (Entity* entity : objects) {
        entity->updateInView(engine);
    }
}

void World::drawBackLayers(GameEngine* engine)
{
    level->drawBackground(engine);
    level->drawParallax(engine);
    level->drawPieces(engine);
}

void World::drawObjects(GameEngine* engine)
{
    // Effects lie under every entity.
    if (engine->effects != nullptr) {
        engine->effects->draw(engine);
    }
    for (Entity* entity : objects) {
        entity->draw(engine);
    }
}

void World::drawForeground(GameEngine* engine)
{
    level->drawForeground(engine);
}

void World::draw(GameEngine* engine, const std::function<void()>& underObjects)
{
    drawBackLayers(engine);
    // While paused only the level shows. Without a state nothing is paused.
    if (engine->state == nullptr || engine->state->active) {
        if (underObjects) {
            underObjects();
        }
        drawObjects(engine);
    }
    drawForeground(engine);
}

void World::clear()
{
    objects.clear();
    startPoint = nullptr;
}
