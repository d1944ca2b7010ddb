#include "support/test_support.hpp"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <png.h>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "fezzle-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
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

namespace {

void makeParent(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent);
}

void putLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void writePngImage(const std::string& path, int width, int height, png_uint_32 format, const void* pixels,
                   const void* colourMap = nullptr, int colourCount = 0)
{
    makeParent(path);
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

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    makeParent(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
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

void copyLevelsAndDemos(const std::string& builtData)
{
    std::filesystem::create_directories("data");
    std::filesystem::copy(builtData + "/maps", "data/maps");
    std::filesystem::copy(builtData + "/demos", "data/demos");
}

bool fileExists(const std::string& path)
{
    return fs::exists(path);
}

void writeWav(const std::string& path, int durationMs, int peak)
{
    constexpr std::uint32_t rate = 44100;
    constexpr std::uint32_t bytesPerFrame = 4;  // two 16-bit channels
    const std::uint32_t frames = rate * static_cast<std::uint32_t>(durationMs) / 1000;
    std::vector<std::uint8_t> wav{'R', 'I', 'F', 'F'};
    putLittle(wav, 36 + frames * bytesPerFrame, 4);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 2, 0});  // PCM, stereo
    putLittle(wav, rate, 4);
    putLittle(wav, rate * bytesPerFrame, 4);
    wav.insert(wav.end(), {bytesPerFrame, 0, 16, 0, 'd', 'a', 't', 'a'});
    putLittle(wav, frames * bytesPerFrame, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        const auto sample = static_cast<std::uint16_t>(std::lround(peak * std::sin(2.0 * M_PI * 441.0 * i / rate)));
        putLittle(wav, std::uint32_t{sample} * 0x10001u, 4);  // left and right
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
