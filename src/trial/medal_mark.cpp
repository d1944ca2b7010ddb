#include "trial/medal_mark.hpp"

#include <GL/gl.h>
#include <cmath>

namespace {

constexpr int rimSegments = 20;
constexpr float outlineShare = 0.22f;                  // of the radius
constexpr float glintShare = 0.35f;                    // the glint's radius, of the coin's
constexpr float glintOffset = 0.3f;                    // up and to the left, of the radius
constexpr MedalColour outline{0.169f, 0.114f, 0.18f};  // deep aubergine
constexpr MedalColour glint{1.0f, 0.957f, 0.863f};     // cream
constexpr float glintAlpha = 0.75f;

void disc(float x, float y, float radius)
{
    constexpr float turn = 6.2831853f;
    glBegin(GL_TRIANGLE_FAN);
    glVertex2f(x, y);
    for (int i = 0; i <= rimSegments; ++i) {
        const float a = turn * static_cast<float>(i) / rimSegments;
        glVertex2f(x + radius * std::cos(a), y + radius * std::sin(a));
    }
    glEnd();
}

}  // namespace

MedalColour medalColour(Medal medal)
{
    switch (medal) {
    case Medal::Gold: return {1.0f, 0.76f, 0.24f};
    case Medal::Silver: return {0.85f, 0.84f, 0.9f};
    case Medal::Bronze: return {0.82f, 0.47f, 0.24f};
    case Medal::None: break;
    }
    return {1.0f, 1.0f, 1.0f};
}

void drawMedalMark(Medal medal, float centreX, float centreY, float radius)
{
    if (medal == Medal::None) {
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glColor3f(outline.r, outline.g, outline.b);
    disc(centreX, centreY, radius);
    const MedalColour metal = medalColour(medal);
    glColor3f(metal.r, metal.g, metal.b);
    disc(centreX, centreY, radius * (1.0f - outlineShare));
    glColor4f(glint.r, glint.g, glint.b, glintAlpha);
    disc(centreX - radius * glintOffset, centreY - radius * glintOffset, radius * glintShare);
    glColor3f(1.0f, 1.0f, 1.0f);
}
