// The game writes its log to standard output; the level tools keep that stream for their own
// lines and send the game's log elsewhere.
#pragma once

#include <cstdio>

// Points standard output at `logPath` and returns a stream on the original standard output
// (standard output itself if that fails).
std::FILE* divertGameLog(const char* logPath);
