#include "entities/object_sprite.hpp"

#include <GL/gl.h>

#include "graphics/sprite.hpp"

void drawObjectSprite(const ObjectSprite& sprite)
{
    glColor4f(sprite.tint.red, sprite.tint.green, sprite.tint.blue, sprite.tint.alpha);
    drawSprite(sprite.destination, sprite.texture, sprite.source, sprite.angleDegrees, sprite.scale);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
