// Standard libvorbisenc loop: headers on their own pages, then analysis blocks until the end-of-stream page.
#include "ogg_file.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include "sample_rate.hpp"

namespace synth {
namespace {

constexpr int framesPerBlock = 1024;
constexpr int decodeChunkBytes = 4096;
constexpr int bytesPerSample = 2;
constexpr float pcmFullScale = 32768.0f;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Every libvorbis object of one encode, torn down in reverse order whatever happens.
struct Encoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool started = false;

    Encoder()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder()
    {
        if (started) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;
};

bool writePage(std::FILE* out, const ogg_page& page)
{
    return std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), out) ==
               static_cast<std::size_t>(page.header_len) &&
           std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), out) ==
               static_cast<std::size_t>(page.body_len);
}

bool writeHeaders(Encoder& e, std::FILE* out)
{
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&e.dsp, &e.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&e.stream, &identification);
    ogg_stream_packetin(&e.stream, &comments);
    ogg_stream_packetin(&e.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&e.stream, &page) != 0)
        if (!writePage(out, page)) return false;
    return true;
}

bool drainBlocks(Encoder& e, std::FILE* out)
{
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&e.dsp, &e.block) == 1) {
        vorbis_analysis(&e.block, nullptr);
        vorbis_bitrate_addblock(&e.block);
        while (vorbis_bitrate_flushpacket(&e.dsp, &packet) != 0) {
            ogg_stream_packetin(&e.stream, &packet);
            while (ogg_stream_pageout(&e.stream, &page) != 0)
                if (!writePage(out, page)) return false;
        }
    }
    return true;
}

bool encode(const AudioBuffer& buffer, float quality, std::uint32_t serial, std::FILE* out)
{
    Encoder e;
    if (vorbis_encode_init_vbr(&e.info, buffer.channels, sampleRateHz, quality) != 0) return false;
    vorbis_analysis_init(&e.dsp, &e.info);
    vorbis_block_init(&e.dsp, &e.block);
    ogg_stream_init(&e.stream, static_cast<int>(serial));
    e.started = true;
    if (!writeHeaders(e, out)) return false;
    const std::size_t frames = buffer.frames();
    const auto channels = static_cast<std::size_t>(buffer.channels);
    for (std::size_t at = 0; at < frames; at += framesPerBlock) {
        const std::size_t count = std::min<std::size_t>(framesPerBlock, frames - at);
        float** planes = vorbis_analysis_buffer(&e.dsp, static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i)
            for (std::size_t c = 0; c < channels; ++c) planes[c][i] = buffer.samples[(at + i) * channels + c];
        vorbis_analysis_wrote(&e.dsp, static_cast<int>(count));
        if (!drainBlocks(e, out)) return false;
    }
    vorbis_analysis_wrote(&e.dsp, 0);
    return drainBlocks(e, out);
}

}  // namespace

bool writeOgg(const std::string& path, const AudioBuffer& buffer, float quality, std::uint32_t serial)
{
    const std::string partial = path + ".part";
    bool ok = false;
    {
        File out(std::fopen(partial.c_str(), "wb"));
        if (!out) return false;
        ok = encode(buffer, quality, serial, out.get()) && std::fflush(out.get()) == 0;
    }
    if (!ok) {
        std::remove(partial.c_str());
        return false;
    }
    return std::rename(partial.c_str(), path.c_str()) == 0;
}

AudioBuffer readOgg(const std::string& path)
{
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return {};
    AudioBuffer buffer;
    buffer.channels = ov_info(&vf, -1)->channels;
    char chunk[decodeChunkBytes];
    int section = 0;
    for (;;) {
        const long got = ov_read(&vf, chunk, decodeChunkBytes, 0, bytesPerSample, 1, &section);
        if (got <= 0) break;
        for (long i = 0; i + 1 < got; i += bytesPerSample) {
            const auto lo = static_cast<unsigned char>(chunk[i]);
            const auto hi = static_cast<unsigned char>(chunk[i + 1]);
            buffer.samples.push_back(static_cast<std::int16_t>(lo | (hi << 8)) / pcmFullScale);
        }
    }
    ov_clear(&vf);
    return buffer;
}

}  // namespace synth
