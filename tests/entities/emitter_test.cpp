// The vent and the dropper: one product strictly more than their interval after the last, made
// at their mouth, from the first update past the interval on.
#include <gtest/gtest.h>

#include "object_test.hpp"

using namespace testing_support;

namespace {

struct EmitterCase {
    EntityType kind;
    std::uint32_t intervalMs;
    EntityType product;
    float productX;  // the product's top-left corner for an emitter placed at (96, 64)
    float productY;
};

// Vent: a bubble centred at (centre x + 30, top + 75); dropper: an item centred at (centre x, top + 300).
const EmitterCase cases[] = {
    {EntityType::BubbleVent, 2500, EntityType::RisingBubble, 96 + 225 + 30 - 20, 64 + 75 - 20},
    {EntityType::Dropper, 1500, EntityType::Item, 96 + 225 - 40, 64 + 300 - 40},
};

class EmitterTest : public ObjectTest {};

TEST_F(EmitterTest, EmitsStrictlyAfterEachIntervalAtItsMouth)
{
    for (const EmitterCase& c : cases) {
        world.clear();
        world.spawnObject(96, 64, typeId(c.kind));
        Entity* emitter = *world.objects.begin();
        const auto emitAt = [&](std::uint32_t now) {
            at(now);
            const auto before = ofType(c.product).size();
            emitter->update(&engine);
            return ofType(c.product).size() - before;
        };
        EXPECT_EQ(emitAt(c.intervalMs), 0u) << typeId(c.kind) << ": not at exactly the interval";
        EXPECT_EQ(emitAt(c.intervalMs + 1), 1u) << typeId(c.kind);
        const Entity* product = ofType(c.product).back();
        EXPECT_EQ(product->position.x, c.productX) << typeId(c.kind);
        EXPECT_EQ(product->position.y, c.productY) << typeId(c.kind);
        EXPECT_EQ(emitAt(2 * c.intervalMs + 1), 0u) << typeId(c.kind) << ": counted from the last emission";
        EXPECT_EQ(emitAt(2 * c.intervalMs + 2), 1u) << typeId(c.kind);
    }
}

}  // namespace
