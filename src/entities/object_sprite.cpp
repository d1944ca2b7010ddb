#include "entities/object_sprite.hpp"

#include <GL/gl.h>

#include "engine/game_engine.hpp"
#include "graphics/sprite.hpp"

void drawObjectSprite(const ObjectSprite& sprite)
{
    glColor4f(sprite.tint.red, sprite.tint.green, sprite.tint.blue, sprite.tint.alpha);
    drawSprite(sprite.destination, sprite.texture, sprite.source, sprite.angleDegrees, sprite.scale);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

std::uint32_t kuvaSheet(const GameEngine* engine, int number)
{
    const auto slot = static_cast<std::size_t>(number - 1);
    return slot < engine->textures->kuva.size() ? engine->textures->kuva[slot] : 0;
}
