// What the finish says under its message: how this run compared with the best before it, and the
// medal it earned with how far it was from the next one. Seconds carry their unit, so they cannot
// be read as the game's minutes and seconds.
#pragma once

#include <cstdint>
#include <string>

#include "trial/medal_table.hpp"

// A span of ms as seconds rounded to the nearest hundredth: "0.42 s".
std::string secondsText(std::int64_t ms);
// "0.42 s faster than your best", "1.05 s slower than your best", "as fast as your best"; "" when
// there was no best before (0).
std::string differenceText(std::int32_t runMs, std::int32_t bestBeforeMs);
// "Gold medal!", "Silver medal, 0.85 s short of gold", "No medal, 2.10 s short of bronze".
std::string medalText(const MedalTimes& times, std::int32_t runMs);
