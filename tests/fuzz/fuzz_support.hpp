// What both fuzz harnesses need: a private working folder, the game's log kept out of the
// fuzzer's output, and each input written where the loader under test reads it.
#pragma once

#include <cstddef>
#include <cstdint>

struct TextureSet;

namespace fuzzing {

// Makes a fresh temporary folder the working directory and sends standard output (the game's
// log) to /dev/null. Once, from LLVMFuzzerInitialize.
void enterScratchFolder();

// Writes the bytes to path, replacing what was there; creates the parent folders first.
void writeInput(const char* path, const std::uint8_t* data, std::size_t size);

// A small OpenGL window with the game's GL state, on the display the fuzzer runs under. The
// picture is not looked at, so a small window rasterizes little.
void openGlWindow();

// Every slot of the set holds a real texture name, so a slot read out of range cannot pass for a
// hit; the font's display lists are built over them.
void giveAllTextures(TextureSet& set);

// Stops the run with a crash the fuzzer reports, when a rule that must hold for any input fails.
[[noreturn]] void broken(const char* rule);

}  // namespace fuzzing
