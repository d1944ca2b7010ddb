// What both fuzz harnesses need: a private working folder, the game's log kept out of the
// fuzzer's output, and each input written where the loader under test reads it.
#pragma once

#include <cstddef>
#include <cstdint>

struct TextureSet;

namespace fuzzing {

// Once, from LLVMFuzzerInitialize: a fresh temporary working folder, standard output (the log) to /dev/null.
void enterScratchFolder();
// Writes the bytes to path, replacing what was there; creates the parent folders first.
void writeInput(const char* path, const std::uint8_t* data, std::size_t size);
// A small window with the game's GL state: the picture is not looked at, so it rasterizes little.
void openGlWindow();
// A real texture name in every slot, so a slot read out of range cannot pass for a hit; the font's
// display lists are built over them.
void giveAllTextures(TextureSet& set);
// Stops the run with a crash the fuzzer reports, when a rule that must hold for any input fails.
[[noreturn]] void broken(const char* rule);

}  // namespace fuzzing
