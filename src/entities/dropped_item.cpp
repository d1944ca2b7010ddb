#include "entities/dropped_item.hpp"

#include "engine/game_engine.hpp"
#include "engine/game_random.hpp"
#include "entities/object_box.hpp"

namespace {

constexpr int variantCount = 3;
constexpr int goldenSheet = 3;  // kuva3.png
constexpr int plainSheet = 9;   // kuva9.png

}  // namespace

DroppedItem::DroppedItem(int x, int y) : Projectile(x, y)
{
    variant = static_cast<std::uint8_t>(gameRand() % variantCount);
    drawSpin();
    // Its sound is the only thing another entity starts.
    meets = Meets::HatsOnly;
}

void DroppedItem::update(GameEngine* engine)
{
    fly(engine, pullPerSecond);
}

bool DroppedItem::collide(GameEngine* engine, Entity* other, Level* level)
{
    if (landed) {
        return false;
    }
    if (other != nullptr && other->type == typeId(EntityType::Hat)) {
        engine->soundSystem->playSound(variant == goldenVariant ? SoundEffect::Fanfare : SoundEffect::ItemHit);
    }
    return Projectile::collide(engine, other, level);
}

void DroppedItem::draw(GameEngine* engine)
{
    if (!boxOnScreen(*this)) {
        return;
    }
    ObjectSprite sprite = itemSprite(engine);
    sprite.texture = kuvaPicture(*engine->textures, variant == goldenVariant ? goldenSheet : plainSheet);
    drawObjectSprite(sprite);
}
