// A test-only entity kind: a plain box that writes each call the world makes on it to a journal,
// and runs an optional step in its update (spawning, killing) to drive the update walk.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "entities/entity.hpp"

namespace testing_support {

using Journal = std::vector<std::string>;

class ProbeEntity : public Entity {
public:
    ProbeEntity(std::string probeName, float x, float y, float size, Journal* sharedJournal = nullptr)
        : name(std::move(probeName)), journal(sharedJournal)
    {
        position.set(x, y, 0.0f);
        width = height = size;
    }
    ~ProbeEntity() override { note("deleted"); }

    void update(GameEngine*) override
    {
        note("update");
        if (onUpdate) {
            const auto step = onUpdate;  // a step may replace itself
            step(*this);
        }
    }
    void draw(GameEngine*) override { note("draw"); }
    bool collide(GameEngine*, Entity* other, Level*) override
    {
        note(other == nullptr ? "terrain" : "hits " + static_cast<ProbeEntity*>(other)->name);
        return false;
    }

    std::string name;
    std::function<void(ProbeEntity&)> onUpdate;

private:
    void note(const std::string& call)
    {
        if (journal != nullptr) journal->push_back(name + " " + call);
    }
    Journal* journal;
};

}  // namespace testing_support
