// Shared helpers of the tests: a private working folder, fixture files, captured logs.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Makes a fresh temporary folder the working directory for the life of the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// What `work` prints: the game's log, kept out of the test output.
template <typename Work>
std::string logOf(Work&& work)
{
    ::testing::internal::CaptureStdout();
    work();
    return ::testing::internal::GetCapturedStdout();
}

// The message of the `Fault` that `work` throws, or "" when it throws none.
template <typename Fault, typename Work>
std::string faultOf(Work&& work)
{
    try {
        work();
    } catch (const Fault& fault) {
        return fault.what();
    }
    return "";
}

void makeDirs(const std::string& path);
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void writeText(const std::string& path, const std::string& text);
std::vector<std::uint8_t> readFile(const std::string& path);
std::string readText(const std::string& path);
bool fileExists(const std::string& path);
// The built levels and their shipped demos copied into ./data, as an install has them.
void copyLevelsAndDemos(const std::string& builtData);

// An 8-bit PNG: 3 channels (RGB), 4 (RGBA), 1 (grey); pixels row by row, top row first.
void writePng(const std::string& path, int width, int height, int channels, const std::vector<std::uint8_t>& pixels);
// A paletted PNG with a two-colour palette, for loaders that must refuse it.
void writePalettedPng(const std::string& path, int width, int height);

// A 16-bit stereo PCM WAV at 44100 Hz holding a steady 441 Hz tone of the given peak (0 = silence).
void writeWav(const std::string& path, int durationMs, int peak);

}  // namespace testing_support
