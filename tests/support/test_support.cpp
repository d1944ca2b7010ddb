#include "support/test_support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0)
{
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

std::uint32_t adler32(const std::vector<std::uint8_t>& data)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void putChunk(std::vector<std::uint8_t>& png, const char* type, const std::vector<std::uint8_t>& body)
{
    putBig32(png, static_cast<std::uint32_t>(body.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    png.insert(png.end(), typed.begin(), typed.end());
    putBig32(png, crc32(typed.data(), typed.size()));
}

// zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> zlibStored(const std::vector<std::uint8_t>& raw)
{
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t len = std::min<std::size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(len));
        out.push_back(static_cast<std::uint8_t>(len >> 8));
        out.push_back(static_cast<std::uint8_t>(~len));
        out.push_back(static_cast<std::uint8_t>(~len >> 8));
        out.insert(out.end(), raw.begin() + static_cast<long>(pos), raw.begin() + static_cast<long>(pos + len));
        pos += len;
    } while (pos < raw.size());
    putBig32(out, adler32(raw));
    return out;
}

std::vector<std::uint8_t> encodePng(int width, int height, std::uint8_t colourType, int bytesPerPixel,
                                    const std::vector<std::uint8_t>& pixels, const std::vector<std::uint8_t>& palette)
{
    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBig32(header, static_cast<std::uint32_t>(width));
    putBig32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    putChunk(png, "IHDR", header);
    if (!palette.empty()) {
        putChunk(png, "PLTE", palette);
    }
    std::vector<std::uint8_t> raw;
    const auto rowBytes = static_cast<std::size_t>(width * bytesPerPixel);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const auto start = pixels.begin() + static_cast<long>(static_cast<std::size_t>(y) * rowBytes);
        raw.insert(raw.end(), start, start + static_cast<long>(rowBytes));
    }
    putChunk(png, "IDAT", zlibStored(raw));
    putChunk(png, "IEND", {});
    return png;
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
    const std::uint8_t colourType = channels == 4 ? 6 : channels == 3 ? 2 : 0;
    writeFile(path, encodePng(width, height, colourType, channels, pixels, {}));
}

void writePalettedPng(const std::string& path, int width, int height)
{
    const std::vector<std::uint8_t> indices(static_cast<std::size_t>(width * height), 1);
    writeFile(path, encodePng(width, height, 3, 1, indices, {0, 0, 0, 255, 255, 255}));
}

}  // namespace testing_support
