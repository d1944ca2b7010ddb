// Times in ms shown as whole minutes, a full stop and two-digit seconds ("1.23").
#pragma once

#include <cstddef>

// Large enough for every int, negative ones included ("-35791.0-23").
constexpr std::size_t timeTextSize = 32;

void formatTime(int timeMs, char (&out)[timeTextSize]);
