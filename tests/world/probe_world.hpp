// A world whose factory makes a test-only box for every level object id, so the placement walk
// and the start point rules run through the real World without the game's object kinds.
#pragma once

#include <string>

#include "support/probe_entity.hpp"
#include "world/world.hpp"

namespace testing_support {

class ProbeWorld : public World {
public:
    explicit ProbeWorld(Journal* sharedJournal = nullptr) : journal(sharedJournal) {}

    static constexpr float objectSize = 64.0f;

protected:
    Entity* createObject(std::int32_t x, std::int32_t y, std::int32_t type) override
    {
        if (type < 0 || type >= levelObjectKindCount) return nullptr;
        const std::string name = "kind" + std::to_string(type) + "@" + std::to_string(x) + "," + std::to_string(y);
        auto* probe = new ProbeEntity(name, static_cast<float>(x), static_cast<float>(y), objectSize, journal);
        probe->type = type;
        return probe;
    }

private:
    Journal* journal;
};

inline std::vector<std::string> namesOf(const LinkedList<Entity>& objects)
{
    std::vector<std::string> names;
    for (const Entity* entity : objects) names.push_back(static_cast<const ProbeEntity*>(entity)->name);
    return names;
}

}  // namespace testing_support
