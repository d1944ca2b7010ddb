#include "flight_controller.hpp"

#include <algorithm>
#include <cmath>

#include "entities/hat.hpp"
#include "input_track.hpp"

namespace {

// The hat's own numbers, as the pilot reckons with them.
constexpr float thrustPerSecond2 = 850.0f;
constexpr float gravityBottom = 150.9f;
constexpr float gravityExtraTop = 350.0f;
constexpr float levelHeight = 800.0f;
constexpr float pi = 3.1415927f;
constexpr float turnTolerance = 0.06f;
// How hard the pilot corrects a wrong velocity, per second.
constexpr float velocityGain = 3.0f;
// Pressure room under which the pilot burns gas faster.
constexpr float lowMargin = 3000.0f;
// How far behind and ahead of its last place the pilot looks for itself on the route.
constexpr float searchBack = 150.0f;
constexpr float searchAhead = 400.0f;

float wrapPi(float a)
{
    while (a > pi) {
        a -= 2.0f * pi;
    }
    while (a <= -pi) {
        a += 2.0f * pi;
    }
    return a;
}

}  // namespace

void FlightController::track(const Hat& hat)
{
    const LevelRoute::Place place =
        route->locate(hat.getCenterX(), hat.getCenterY(), progress - searchBack, progress + searchAhead);
    progress = std::max(progress, place.along);
    offRoute = place.distance;
}

std::uint8_t FlightController::keys(const Hat& hat, const FlightStyle& style)
{
    track(hat);
    const RoutePoint target = route->pointAt(progress + style.lookaheadPixels);
    const float dx = target.x - hat.getCenterX();
    const float dy = target.y + style.offsetY - hat.getCenterY();
    const float distance = std::max(1.0f, std::hypot(dx, dy));
    const float margin = static_cast<float>(hat.capacity - hat.pressure);
    // Short of room, fly faster: the thrust that buys speed is gas let out.
    const float cruise = style.cruisePixelsPerSecond * (margin < lowMargin ? 1.5f : 1.0f);
    const float speed = std::min(cruise, distance * velocityGain);
    const float wantX = dx / distance * speed;
    const float wantY = dy / distance * speed;
    const float f = std::clamp(hat.getY() / levelHeight, 0.0f, 1.0f);
    const float gravity = gravityBottom + (1.0f - f) * gravityExtraTop;
    // The push the hat needs: the velocity error to close, and gravity to hold.
    const float pushX = (wantX - hat.velocityX) * velocityGain;
    const float pushY = (wantY - hat.velocityY) * velocityGain - gravity;
    const float push = std::hypot(pushX, pushY);
    // The tail points away from the push.
    const float wantedAngle = std::atan2(-pushY, -pushX);
    std::uint8_t held = steer(hat, wantedAngle);
    const float alignment = std::cos(wrapPi(wantedAngle - hat.angle));
    if (alignment > 0.5f) {
        thrustDebt += std::min(1.0f, push * alignment / thrustPerSecond2);
    }
    if (thrustDebt >= 0.5f) {
        held |= HeldKeys::thrust;
        thrustDebt -= 1.0f;
    }
    thrustDebt = std::clamp(thrustDebt, -1.0f, 1.0f);
    return held;
}

std::uint8_t FlightController::steer(const Hat& hat, float wantedAngle) const
{
    const float error = wrapPi(wantedAngle - hat.angle);
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
