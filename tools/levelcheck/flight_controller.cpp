#include "flight_controller.hpp"

#include <algorithm>
#include <cmath>

#include "input_track.hpp"

namespace {

// The hat's own numbers, as the pilot reckons with them.
constexpr float thrustPerSecond2 = 850.0f;
constexpr float gravityBottom = 150.9f;
constexpr float gravityExtraTop = 350.0f;
constexpr float levelHeight = 800.0f;
constexpr float pi = 3.1415927f;
constexpr float turnTolerance = 0.06f;
// Near the point aimed at, the speed wanted falls with the distance left, per second.
constexpr float approachPerSecond = 3.0f;
// Pressure room under which the pilot burns gas faster.
constexpr float lowMargin = 3000.0f;
// How far behind and ahead of its last place the pilot looks for itself on the route.
constexpr float searchBack = 150.0f;
constexpr float searchAhead = 400.0f;

}  // namespace

float FlightController::angleBetween(float to, float from)
{
    float a = to - from;
    while (a > pi) {
        a -= 2.0f * pi;
    }
    while (a <= -pi) {
        a += 2.0f * pi;
    }
    return a;
}

void FlightController::track(const HatState& hat)
{
    const LevelRoute::Place place =
        route->locate(hat.centerX(), hat.centerY(), progress - searchBack, progress + searchAhead);
    progress = std::max(progress, place.along);
    offRoute = place.distance;
}

FlightController::Aim FlightController::aim(const HatState& hat, const FlightStyle& style)
{
    track(hat);
    const RoutePoint target = route->pointAt(progress + style.lookaheadPixels);
    const float dx = target.x - hat.centerX();
    const float dy = target.y + style.offsetY - hat.centerY();
    const float distance = std::max(1.0f, std::hypot(dx, dy));
    const float speed = std::min(style.cruisePixelsPerSecond, distance * approachPerSecond);
    const float wantX = dx / distance * speed + style.nudgeX;
    const float wantY = dy / distance * speed + style.nudgeY;
    const float f = std::clamp(hat.y / levelHeight, 0.0f, 1.0f);
    const float gravity = gravityBottom + (1.0f - f) * gravityExtraTop;
    // The push the hat needs: the velocity error to close, and gravity to hold.
    const float pushX = (wantX - hat.velocityX) * style.velocityGainPerSecond;
    const float pushY = (wantY - hat.velocityY) * style.velocityGainPerSecond - gravity;
    // The tail points away from the push.
    return {std::atan2(-pushY, -pushX), std::hypot(pushX, pushY), wantX, wantY};
}

std::uint8_t FlightController::keys(const HatState& hat, const FlightStyle& style)
{
    // Short of room, fly faster: the thrust that buys speed is gas let out.
    FlightStyle hurried = style;
    hurried.cruisePixelsPerSecond *= static_cast<float>(hat.margin()) < lowMargin ? 1.5f : 1.0f;
    const Aim wanted = aim(hat, hurried);
    std::uint8_t held = steer(hat, wanted.angle);
    const float alignment = std::cos(angleBetween(wanted.angle, hat.angle));
    if (alignment > 0.5f) {
        thrustDebt += std::min(1.0f, wanted.pushPerSecond2 * alignment / thrustPerSecond2);
    }
    if (thrustDebt >= 0.5f) {
        held |= HeldKeys::thrust;
        thrustDebt -= 1.0f;
    }
    thrustDebt = std::clamp(thrustDebt, -1.0f, 1.0f);
    return held;
}

std::uint8_t FlightController::steer(const HatState& hat, float wantedAngle) const
{
    const float error = angleBetween(wantedAngle, hat.angle);
    if (!hat.hardMode) {
        // Right turns the tail towards larger angles.
        if (error > turnTolerance) {
            return HeldKeys::right;
        }
        return error < -turnTolerance ? HeldKeys::left : 0;
    }
    // Hard mode: the keys change the turning speed; aim for one that closes the error.
    const float wantedSpin = std::clamp(error * 4.0f, -3.0f, 3.0f);
    if (hat.angularVelocity < wantedSpin - 0.15f) {
        return HeldKeys::left;
    }
    return hat.angularVelocity > wantedSpin + 0.15f ? HeldKeys::right : 0;
}
