#include "entities/effect_manager.hpp"

#include "entities/bubble_effect.hpp"
#include "entities/dust_effect.hpp"
#include "entities/ember_effect.hpp"
#include "entities/puff_effect.hpp"
#include "entities/rising_picture_effect.hpp"
#include "entities/shard_effect.hpp"

namespace {

std::unique_ptr<Effect> makeEffect(int kind)
{
    switch (static_cast<EffectKind>(kind)) {
    case EffectKind::Puff: return std::make_unique<PuffEffect>();
    case EffectKind::Ember: return std::make_unique<EmberEffect>();
    case EffectKind::Bubble: return std::make_unique<BubbleEffect>();
    case EffectKind::Dust: return std::make_unique<DustEffect>();
    case EffectKind::Shard: return std::make_unique<ShardEffect>();
    case EffectKind::RisingPicture: return std::make_unique<RisingPictureEffect>();
    }
    return nullptr;
}

bool isAimed(int kind)
{
    return kind == static_cast<int>(EffectKind::Puff) || kind == static_cast<int>(EffectKind::Ember);
}

}  // namespace

void EffectManager::spawn(int x, int y, int kind, std::uint32_t now, float angle)
{
    if (effectsOff) {
        return;
    }
    std::unique_ptr<Effect> effect = makeEffect(kind);
    if (effect == nullptr) {
        return;
    }
    Vector3 point;
    point.x = static_cast<float>(x);
    point.y = static_cast<float>(y);
    if (isAimed(kind)) {
        effect->startAimed(point, now, angle);
    } else {
        effect->start(point, now);
    }
    effects.push_back(std::move(effect));
}

void EffectManager::update(int frameMs)
{
    auto kept = effects.begin();
    for (auto& effect : effects) {
        if (effect->update(frameMs)) {
            if (&*kept != &effect) {
                *kept = std::move(effect);
            }
            ++kept;
        } else {
            effect->expire();
            effect.reset();
        }
    }
    effects.erase(kept, effects.end());
}

void EffectManager::draw(GameEngine* engine)
{
    for (const auto& effect : effects) {
        effect->draw(engine);
    }
}

void EffectManager::clear()
{
    effects.clear();
}
