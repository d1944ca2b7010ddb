#include "hat_model.hpp"

#include <algorithm>
#include <cmath>

#include "input_track.hpp"

namespace {

constexpr float dt = HatModel::frameMs * 0.001f;
constexpr float pi = 3.1415927f;
constexpr float thrustPerSecond2 = 850.0f;
constexpr float easyTurnPerSecond = 2.8f;
constexpr float hardTurnPerSecond2 = 4.0f;
constexpr float gravityBottom = 150.9f;
constexpr float gravityExtraTop = 350.0f;
constexpr float levelHeight = 800.0f;
constexpr float speedLimit = 450.0f;
constexpr float dragXPerSecond = 17.5f;
constexpr float dragYPerSecond = 50.0f;
constexpr float spinDamping = 0.99f;
constexpr std::int32_t easyGasPerFrame = 18;
constexpr std::int32_t hardGasPerFrame = 20;
constexpr std::int32_t thrustGasPerFrame = 40;

float slowed(float speed, float drag)
{
    if (std::fabs(speed) <= drag) {
        return 0.0f;
    }
    return speed > 0.0f ? speed - drag : speed + drag;
}

}  // namespace

void HatModel::step(HatState& hat, std::uint8_t keys) const
{
    hat.pressure = std::min(hat.capacity, hat.pressure + (hat.hardMode ? hardGasPerFrame : easyGasPerFrame));
    if ((keys & HeldKeys::thrust) != 0 && hat.pressure > frameMs) {
        const float push = thrustPerSecond2 * beliefs.thrustShare * dt;
        hat.velocityX -= std::cos(hat.angle) * push;
        hat.velocityY -= std::sin(hat.angle) * push;
        hat.pressure = std::max(0, hat.pressure - thrustGasPerFrame);
    }
    const float depth = std::clamp(hat.y / levelHeight, 0.0f, 1.0f);
    hat.velocityY += (gravityBottom + (1.0f - depth) * gravityExtraTop) * dt;
    const float turn = (((keys & HeldKeys::left) != 0 ? 1.0f : 0.0f) - ((keys & HeldKeys::right) != 0 ? 1.0f : 0.0f)) *
                       beliefs.turnShare * dt;
    if (hat.hardMode) {
        hat.angularVelocity += turn * hardTurnPerSecond2;
    } else {
        hat.angle -= turn * easyTurnPerSecond;
    }
    hat.velocityX = slowed(std::clamp(hat.velocityX, -speedLimit, speedLimit), dragXPerSecond * dt);
    hat.velocityY = slowed(std::clamp(hat.velocityY, -speedLimit, speedLimit), dragYPerSecond * dt);
    if (hat.carried) {
        hat.velocityX = 0.0f;
        hat.velocityY = 0.0f;
    } else {
        hat.x += hat.velocityX * dt;
        hat.y += hat.velocityY * dt;
    }
    if (hat.hardMode) {
        // The pendulum: pulled back to upright below, pushed away from straight up above.
        const float upright = hat.angle <= pi ? pi * 0.5f : pi * 1.5f;
        const float pull = hat.angle <= pi ? -1.0f : 1.0f;
        hat.angularVelocity = hat.angularVelocity * spinDamping + pull * (hat.angle - upright) * dt;
        hat.angle += hat.angularVelocity * dt;
    }
    hat.angle = std::fmod(hat.angle + 2.0f * pi, 2.0f * pi);
}
