// Only the plain 44-byte-header layout the synth writes is needed, but reading walks the chunks properly.
#include "wav_file.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr std::uint16_t pcmFormat = 1;
constexpr std::uint16_t bitsPerSample = 16;
constexpr std::uint32_t bytesPerSample = bitsPerSample / 8;
constexpr std::uint32_t fmtChunkBytes = 16;
constexpr std::uint32_t headerBytesAfterSize = 36;
constexpr double fullScale = 32767.0;

void putU16(std::ofstream& out, std::uint16_t v)
{
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void putU32(std::ofstream& out, std::uint32_t v)
{
    putU16(out, static_cast<std::uint16_t>(v & 0xffff));
    putU16(out, static_cast<std::uint16_t>(v >> 16));
}

std::uint32_t getU16(const std::vector<unsigned char>& d, std::size_t at)
{
    return static_cast<std::uint32_t>(d[at] | (d[at + 1] << 8));
}

std::uint32_t getU32(const std::vector<unsigned char>& d, std::size_t at)
{
    return getU16(d, at) | (getU16(d, at + 2) << 16);
}

std::int16_t toPcm(float s)
{
    return static_cast<std::int16_t>(std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * fullScale));
}

}  // namespace

bool writeWav(const std::string& path, const AudioBuffer& buffer)
{
    // Written beside the target and renamed, so an interrupted build never leaves half a file.
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary);
        if (!out) return false;
        const auto channels = static_cast<std::uint16_t>(buffer.channels);
        const auto dataBytes = static_cast<std::uint32_t>(buffer.samples.size() * bytesPerSample);
        out.write("RIFF", 4);
        putU32(out, headerBytesAfterSize + dataBytes);
        out.write("WAVEfmt ", 8);
        putU32(out, fmtChunkBytes);
        putU16(out, pcmFormat);
        putU16(out, channels);
        putU32(out, sampleRateHz);
        putU32(out, sampleRateHz * channels * bytesPerSample);
        putU16(out, static_cast<std::uint16_t>(channels * bytesPerSample));
        putU16(out, bitsPerSample);
        out.write("data", 4);
        putU32(out, dataBytes);
        for (float s : buffer.samples) putU16(out, static_cast<std::uint16_t>(toPcm(s)));
        if (!out.flush()) return false;
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

AudioBuffer readWav(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    AudioBuffer buffer;
    constexpr std::size_t riffHeaderBytes = 12;
    constexpr std::size_t chunkHeaderBytes = 8;
    if (d.size() < riffHeaderBytes || std::string(d.begin(), d.begin() + 4) != "RIFF" ||
        std::string(d.begin() + 8, d.begin() + 12) != "WAVE")
        return {};
    bool formatOk = false;
    for (std::size_t at = riffHeaderBytes; at + chunkHeaderBytes <= d.size();) {
        const std::string id(d.begin() + static_cast<long>(at), d.begin() + static_cast<long>(at + 4));
        const std::size_t size = getU32(d, at + 4);
        const std::size_t body = at + chunkHeaderBytes;
        if (size > d.size() - body) return {};
        if (id == "fmt " && size >= fmtChunkBytes) {
            formatOk = getU16(d, body) == pcmFormat && getU16(d, body + 14) == bitsPerSample;
            buffer.channels = static_cast<int>(getU16(d, body + 2));
        } else if (id == "data" && formatOk && buffer.channels > 0) {
            for (std::size_t i = body; i + 1 < body + size; i += bytesPerSample)
                buffer.samples.push_back(static_cast<float>(static_cast<std::int16_t>(getU16(d, i)) / fullScale));
            return buffer;
        }
        at = body + size + (size & 1);
    }
    return {};
}

}  // namespace synth
