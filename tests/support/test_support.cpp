#include "support/test_support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <png.h>
#include <unistd.h>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "fezzle-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary folder";
    }
    dir = pattern;
    previous = fs::current_path().string();
    fs::current_path(dir);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::current_path(previous, ignored);
    fs::remove_all(dir, ignored);
}

void makeDirs(const std::string& path)
{
    fs::create_directories(path);
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const std::string& path, const std::string& text)
{
    writeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path)
{
    const std::vector<std::uint8_t> bytes = readFile(path);
    return {bytes.begin(), bytes.end()};
}

bool fileExists(const std::string& path)
{
    return fs::exists(path);
}

namespace {

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void writePngImage(const std::string& path, int width, int height, png_uint_32 format, const void* pixels,
                   const void* colourMap = nullptr, int colourCount = 0)
{
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) {
        fs::create_directories(parent);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    image.colormap_entries = static_cast<png_uint_32>(colourCount);
    if (png_image_write_to_file(&image, path.c_str(), 0, pixels, 0, colourMap) == 0) {
        ADD_FAILURE() << "cannot write " << path << ": " << image.message;
    }
}

}  // namespace

void writeWav(const std::string& path, int durationMs, int peak)
{
    constexpr std::uint32_t rate = 44100;
    constexpr std::uint32_t channels = 2;
    constexpr std::uint32_t bytesPerFrame = channels * 2;
    constexpr double toneHz = 441.0;
    const std::uint32_t frames = rate * static_cast<std::uint32_t>(durationMs) / 1000;
    std::vector<std::uint8_t> wav{'R', 'I', 'F', 'F'};
    putLittle(wav, 36 + frames * bytesPerFrame, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLittle(wav, 16, 4);
    putLittle(wav, 1, 2);  // PCM
    putLittle(wav, channels, 2);
    putLittle(wav, rate, 4);
    putLittle(wav, rate * bytesPerFrame, 4);
    putLittle(wav, bytesPerFrame, 2);
    putLittle(wav, 16, 2);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    putLittle(wav, frames * bytesPerFrame, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double phase = 2.0 * 3.14159265358979 * toneHz * i / rate;
        const auto sample = static_cast<std::int16_t>(std::lround(peak * std::sin(phase)));
        for (std::uint32_t c = 0; c < channels; ++c) {
            putLittle(wav, static_cast<std::uint16_t>(sample), 2);
        }
    }
    writeFile(path, wav);
}

void writePng(const std::string& path, int width, int height, int channels, const std::vector<std::uint8_t>& pixels)
{
    const png_uint_32 format = channels == 4 ? PNG_FORMAT_RGBA : channels == 3 ? PNG_FORMAT_RGB : PNG_FORMAT_GRAY;
    writePngImage(path, width, height, format, pixels.data());
}

void writePalettedPng(const std::string& path, int width, int height)
{
    const std::vector<std::uint8_t> indices(static_cast<std::size_t>(width * height), 1);
    const std::uint8_t palette[] = {0, 0, 0, 255, 255, 255};
    writePngImage(path, width, height, PNG_FORMAT_RGB_COLORMAP, indices.data(), palette, 2);
}

}  // namespace testing_support
