#include "world/layer_geometry.hpp"

namespace {

constexpr Tint commonGrey{0.2f, 0.2f, 0.2f};

// Tint and picture by background style.
constexpr std::array<BackgroundLook, backgroundStyleCount> backgroundLooks = {{
    //  tint (r, g, b)          jee element
    {commonGrey, 0},
    {commonGrey, 1},
    {{0.1f, 0.1f, 0.1f}, 2},
    {commonGrey, 3},
    {{0.3f, 0.1f, 0.0f}, 4},
}};

// The scale is the float constant widened to double, so 800 gives 1039 and not 1040.
std::int32_t scaledSourceSize(std::int32_t size)
{
    return static_cast<std::int32_t>(static_cast<double>(size) * static_cast<double>(backgroundSourceScale));
}

std::int32_t parallaxShift(std::int32_t coordinate, std::int32_t viewCoordinate)
{
    return static_cast<std::int32_t>(static_cast<float>(coordinate) -
                                     static_cast<float>(viewCoordinate) * parallaxFactor);
}

ScreenPoint point(std::int32_t x, std::int32_t y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

Quad band(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return {point(left, top), point(right, top), point(right, bottom), point(left, bottom)};
}

}  // namespace

LevelFrame levelFrame(Rect view, Rect bounds)
{
    LevelFrame frame;
    frame.ox = view.x < -1 ? -view.x : -1;
    frame.oy = view.y < -1 ? -view.y : -1;
    frame.w = view.x + view.w + 1 > bounds.w ? bounds.w - view.x : view.w + 1;
    frame.h = view.y + view.h + 1 > bounds.h ? bounds.h - view.y : view.h + 1;
    return frame;
}

Rect backgroundDestination(const LevelFrame& frame)
{
    return Rect{frame.ox, frame.oy, frame.w, frame.h};
}

Rect backgroundSource(Rect view, const LevelFrame& frame)
{
    return Rect{view.x + frame.ox, view.y + frame.oy, scaledSourceSize(frame.w), scaledSourceSize(frame.h)};
}

BackgroundLook backgroundLook(std::int32_t style)
{
    if (style < 0 || style >= backgroundStyleCount) {
        return BackgroundLook{commonGrey, 0};
    }
    return backgroundLooks[static_cast<std::size_t>(style)];
}

Rect pieceDestination(Rect area, Rect view)
{
    return Rect{area.x - view.x, area.y - view.y, area.w, area.h};
}

Rect parallaxDestination(Rect area, Rect view)
{
    return Rect{parallaxShift(area.x, view.x), parallaxShift(area.y, view.y), area.w, area.h};
}

std::array<ScreenPoint, 5> framePoints(const LevelFrame& frame)
{
    // The far corners are w and h themselves, not ox + w and oy + h.
    return {point(frame.ox, frame.oy), point(frame.ox, frame.h), point(frame.w, frame.h), point(frame.w, frame.oy),
            point(frame.ox, frame.oy)};
}

OutsideFills outsideFills(Rect view, Rect bounds)
{
    OutsideFills fills;
    if (view.x < bounds.x) {
        fills.quads[fills.count++] = band(0, 0, -view.x, view.h);
    }
    if (view.y < bounds.y) {
        fills.quads[fills.count++] = band(0, 0, view.w, -view.y);
    }
    if (view.x + view.w > bounds.w) {
        fills.quads[fills.count++] = band(bounds.w - view.x, 0, view.w, view.h);
    }
    if (view.y + view.h > bounds.h) {
        fills.quads[fills.count++] = band(0, bounds.h - view.y, view.w, view.h);
    }
    return fills;
}
