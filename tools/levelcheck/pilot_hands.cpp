#include "pilot_hands.hpp"

#include "hat_model.hpp"
#include "input_track.hpp"

namespace {

constexpr std::array<std::uint8_t, 3> keyBits = {HeldKeys::left, HeldKeys::right, HeldKeys::thrust};

}  // namespace

std::uint8_t PilotHands::press(std::uint8_t wanted)
{
    for (std::size_t i = 0; i < fingers.size(); ++i) {
        Finger& finger = fingers[i];
        const bool want = (wanted & keyBits[i]) != 0;
        // The pilot's eyes already lag by the reaction less the jitter: the change lands from at
        // once to twice the jitter later, on average a whole reaction time after what it saw.
        if (!finger.moving && want != finger.down) {
            finger.moving = true;
            finger.dueAt = nowMs + random.between(0, 2 * jitterMs);
        }
        const int shortest = finger.down ? shortestPressMs : shortestGapMs;
        if (finger.moving && nowMs >= finger.dueAt && nowMs - finger.changedAt >= shortest) {
            finger.down = !finger.down;
            finger.changedAt = nowMs;
            finger.moving = false;
        }
    }
    nowMs += HatModel::frameMs;
    return held();
}

std::uint8_t PilotHands::held() const
{
    std::uint8_t keys = 0;
    for (std::size_t i = 0; i < fingers.size(); ++i) {
        keys |= fingers[i].down ? keyBits[i] : 0;
    }
    return keys;
}
