#include "graphics/sprite.hpp"

#include <GL/gl.h>
#include <algorithm>

Rect viewRect{0, 0, 512, 512};

namespace {

constexpr float sheetScale = 1.0f / 512.0f;

// Corners are summed in 64 bits: a far-off rectangle must not overflow into the view.
struct Span {
    std::int64_t low;
    std::int64_t high;
    bool holds(std::int64_t v) const { return low <= v && v <= high; }
};

Span spanOf(std::int64_t start, std::int64_t size)
{
    return {std::min(start, start + size), std::max(start, start + size)};
}

}  // namespace

bool drawSprite(Rect destination, std::uint32_t texture, Rect source, float angleDegrees, float scale)
{
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();

    const std::int32_t hw = destination.w / 2;
    const std::int32_t hh = destination.h / 2;
    glTranslatef(static_cast<float>(destination.x + hw), static_cast<float>(destination.y + hh), 0.0f);
    glScalef(scale, scale, scale);
    glRotatef(angleDegrees, 0.0f, 0.0f, 1.0f);

    const float sLeft = static_cast<float>(source.x) * sheetScale;
    const float tTop = static_cast<float>(source.y) * sheetScale;
    const float sRight = static_cast<float>(source.x + source.w) * sheetScale;
    const float tBottom = static_cast<float>(source.y + source.h) * sheetScale;

    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(sRight, tTop);
    glVertex2i(hw, -hh);
    glTexCoord2f(sLeft, tTop);
    glVertex2i(-hw, -hh);
    glTexCoord2f(sLeft, tBottom);
    glVertex2i(-hw, hh);
    glTexCoord2f(sRight, tBottom);
    glVertex2i(hw, hh);
    glEnd();

    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    return true;
}

bool isOnScreen(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    const Span across = spanOf(viewRect.x, viewRect.w);
    const Span down = spanOf(viewRect.y, viewRect.h);
    const std::int64_t right = std::int64_t{x} + w;
    const std::int64_t bottom = std::int64_t{y} + h;
    const std::int64_t cornersX[] = {x, right, x, right};
    const std::int64_t cornersY[] = {y, y, bottom, bottom};
    for (int i = 0; i < 4; ++i) {
        if (across.holds(cornersX[i]) && down.holds(cornersY[i])) {
            return true;
        }
    }
    return false;
}
