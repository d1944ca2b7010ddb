#include "trial/ghost_drawing.hpp"

#include <GL/gl.h>

#include "entities/hat.hpp"
#include "graphics/sprite.hpp"
#include "graphics/texture_set.hpp"

namespace {

constexpr float ghostAlpha = 0.33f;

}  // namespace

void drawGhost(const TextureSet& textures, const GhostPose& pose)
{
    // The live hat's picture box: centred on its box, larger by the margin.
    const int size = static_cast<int>(Hat::sizePixels + Hat::pictureMargin);
    const int x = static_cast<int>(pose.x + Hat::sizePixels / 2.0f) - size / 2;
    const int y = static_cast<int>(pose.y + Hat::sizePixels / 2.0f) - size / 2;
    if (!isOnScreen(x, y, size, size)) {
        return;
    }
    glColor4f(1.0f, 1.0f, 1.0f, ghostAlpha);
    drawSprite(Rect{x - viewRect.x, y - viewRect.y, size, size}, kuvaPicture(textures, Hat::picture), wholeSheet,
               pose.angle * Hat::radiansToDegrees, 1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
}
