#include "trial/run_comparison.hpp"

#include <cstdio>

namespace {

constexpr std::int64_t msPerHundredth = 10;
constexpr std::int64_t hundredthsPerSecond = 100;

std::string capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

}  // namespace

std::string secondsText(std::int64_t ms)
{
    const std::int64_t hundredths = (ms + msPerHundredth / 2) / msPerHundredth;
    char text[48];
    std::snprintf(text, sizeof text, "%lld.%02lld s", static_cast<long long>(hundredths / hundredthsPerSecond),
                  static_cast<long long>(hundredths % hundredthsPerSecond));
    return text;
}

std::string differenceText(std::int32_t runMs, std::int32_t bestBeforeMs)
{
    if (bestBeforeMs == 0) {
        return "";
    }
    const std::int64_t gain = static_cast<std::int64_t>(bestBeforeMs) - runMs;
    if (gain == 0) {
        return "as fast as your best";
    }
    return secondsText(gain > 0 ? gain : -gain) + (gain > 0 ? " faster" : " slower") + " than your best";
}

std::string medalText(const MedalTimes& times, std::int32_t runMs)
{
    const Medal earned = medalOf(times, runMs);
    const std::string name = capitalised(medalName(earned)) + " medal";
    if (earned == Medal::Gold) {
        return name + "!";
    }
    const Medal next = static_cast<Medal>(static_cast<int>(earned) + 1);
    return name + ", " + secondsText(static_cast<std::int64_t>(runMs) - nextLimit(times, earned)) + " short of " +
           medalName(next);
}
