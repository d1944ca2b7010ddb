#include "records/format_time.hpp"

#include <cstdio>

void formatTime(int timeMs, char (&out)[timeTextSize])
{
    const int seconds = timeMs / 1000;
    const int minutes = seconds / 60;
    const int rest = seconds - 60 * minutes;
    // Seconds below ten get a leading zero (also the negative ones a damaged record can give).
    const char* pad = rest < 10 ? "0" : "";
    std::snprintf(out, timeTextSize, "%d.%s%d", minutes, pad, rest);
}
