// How the game puts a file on disk: the bytes go to a temporary file beside it, which is flushed,
// synced and then renamed over the old one, so a crash at any moment leaves the old file or the
// new one, never a torn one. Every file format the game writes goes through here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The temporary file a write of `path` goes through: the path with ".tmp" added.
std::string crashSafeTemporary(const std::string& path);

// Writes `size` bytes as the file at `path`. False when any step failed: the old file is then as it
// was, no temporary file is left, and `error` (if given) holds the errno of the step that failed.
bool writeCrashSafe(const std::string& path, const std::uint8_t* bytes, std::size_t size, int* error = nullptr);

// Makes each missing folder named on the way to `path`, outermost first; false when one cannot be made.
bool makeFoldersFor(const std::string& path);
