// What both fuzz harnesses need: a private working folder, the game's log kept out of the
// fuzzer's output, and each input written where the loader under test reads it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzzing {

// Makes a fresh temporary folder the working directory and sends standard output (the game's
// log) to /dev/null. Once, from LLVMFuzzerInitialize.
void enterScratchFolder();

// Writes the bytes to path, replacing what was there; creates the parent folders first.
void writeInput(const char* path, const std::uint8_t* data, std::size_t size);

// Stops the run with a crash the fuzzer reports, when a rule that must hold for any input fails.
[[noreturn]] void broken(const char* rule);

}  // namespace fuzzing
