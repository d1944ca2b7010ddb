#include "replays/replay_file.hpp"

#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstring>

#include "engine/game_paths.hpp"
#include "records/crash_safe_write.hpp"
#include "replays/byte_stream.hpp"

namespace {

constexpr std::array<std::uint8_t, 4> magic = {'F', 'Z', 'R', 'P'};
constexpr int levelCount = 18;
constexpr std::size_t sampleBytes = 16;
// Timer, effects switch, generator, and at least one byte for each of the two counts.
constexpr std::size_t fixedBodyBytes = 4 + 4 + 1 + GameRandom::tableWords * 4 + 1 + 1 + 1;
// zlib packs at best about a thousand to one.
constexpr std::size_t zlibBestRatio = 1032;
constexpr std::size_t zlibSlack = 64;
// No run lasts a day; a clock that says so would carry the hat and its gas past what an int holds.
constexpr std::uint64_t longestRunMs = 24ull * 60 * 60 * 1000;
// The inputs a run records; the quit event ends a run and is never among them.
constexpr auto lastRecordedKind = static_cast<std::uint8_t>(Input::Kind::FocusLost);
constexpr auto lastAction = static_cast<std::uint8_t>(InputAction::Back);

const char* modeName(bool hardMode)
{
    return hardMode ? "hard" : "easy";
}

bool readWhole(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t limit)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::array<std::uint8_t, 4096> chunk{};
    bool ok = true;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file);
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        if (bytes.size() > limit) {
            ok = false;
            break;
        }
        if (got < chunk.size()) {
            ok = std::ferror(file) == 0;
            break;
        }
    }
    std::fclose(file);
    return ok;
}

std::uint32_t crcOf(const std::uint8_t* bytes, std::size_t size)
{
    return static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0), bytes, static_cast<uInt>(size)));
}

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

float floatOf(std::uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The four columns of the samples, each as words.
std::array<std::uint32_t, 4> wordsOf(const ReplaySample& sample)
{
    return {bitsOf(sample.x), bitsOf(sample.y), bitsOf(sample.angle), static_cast<std::uint32_t>(sample.levelTime)};
}

ReplaySample sampleOf(const std::array<std::uint32_t, 4>& words)
{
    return ReplaySample{floatOf(words[0]), floatOf(words[1]), floatOf(words[2]), static_cast<std::int32_t>(words[3])};
}

void encodeBody(const Replay& replay, ByteWriter& out)
{
    out.put32(replay.timer.lastTicks);
    out.put32(replay.timer.frameCount);
    out.put8(replay.effectsOff ? 1 : 0);
    for (const std::uint32_t word : replay.random.table) {
        out.put32(word);
    }
    out.put8(replay.random.front);

    out.putVarint(static_cast<std::uint32_t>(replay.clockReads.size()));
    std::uint32_t previous = replay.timer.lastTicks;
    for (const std::uint32_t read : replay.clockReads) {
        out.putDelta(previous, read);
        previous = read;
    }

    out.putVarint(static_cast<std::uint32_t>(replay.events.size()));
    std::uint32_t frame = 0;
    for (const ReplayEvent& event : replay.events) {
        out.putVarint(event.frame - frame);
        out.put8(static_cast<std::uint8_t>(event.kind));
        out.put8(static_cast<std::uint8_t>(event.action));
        frame = event.frame;
    }

    for (std::size_t column = 0; column < 4; ++column) {
        std::uint32_t above = 0;
        for (const ReplaySample& sample : replay.samples) {
            const std::uint32_t word = wordsOf(sample)[column];
            out.put32(word ^ above);
            above = word;
        }
    }
}

std::string decodeBody(ByteReader& in, Replay& replay)
{
    const char* const damaged = "damaged frames";
    std::uint8_t effectsOff = 0;
    if (!in.get32(replay.timer.lastTicks) || !in.get32(replay.timer.frameCount) || !in.get8(effectsOff) ||
        effectsOff > 1) {
        return damaged;
    }
    replay.effectsOff = effectsOff == 1;
    for (std::uint32_t& word : replay.random.table) {
        if (!in.get32(word)) {
            return damaged;
        }
    }
    if (!in.get8(replay.random.front) || replay.random.front >= GameRandom::tableWords) {
        return damaged;
    }

    std::uint32_t readCount = 0;
    // Each read takes at least a byte: a count beyond what is left is a lie.
    // Every run reads the clock at least once.
    if (!in.getVarint(readCount) || readCount == 0 || readCount > in.left()) {
        return damaged;
    }
    replay.clockReads.resize(readCount);
    std::uint32_t previous = replay.timer.lastTicks;
    std::uint64_t runMs = 0;
    for (std::uint32_t& read : replay.clockReads) {
        if (!in.getDelta(previous, read)) {
            return damaged;
        }
        // Forward across the counter's wrap as the game's own differences are; a step back counts as ~49 days.
        runMs += static_cast<std::uint32_t>(read - previous);
        if (runMs > longestRunMs) {
            return "clock runs past a day";
        }
        previous = read;
    }

    const std::uint32_t frameCount = replay.header.frameCount;
    std::uint32_t eventCount = 0;
    if (!in.getVarint(eventCount) || eventCount > in.left() / 3) {
        return damaged;
    }
    replay.events.resize(eventCount);
    std::uint32_t frame = 0;
    for (ReplayEvent& event : replay.events) {
        std::uint32_t step = 0;
        std::uint8_t kind = 0;
        std::uint8_t action = 0;
        if (!in.getVarint(step) || !in.get8(kind) || !in.get8(action) || kind > lastRecordedKind ||
            action > lastAction || step > frameCount - frame) {
            return damaged;
        }
        frame += step;
        event = ReplayEvent{frame, static_cast<Input::Kind>(kind), static_cast<InputAction>(action)};
    }

    if (in.left() != sampleBytes * frameCount) {
        return in.left() < sampleBytes * frameCount ? "frame count larger than the file" : damaged;
    }
    std::vector<std::array<std::uint32_t, 4>> words(frameCount);
    for (std::size_t column = 0; column < 4; ++column) {
        std::uint32_t above = 0;
        for (auto& row : words) {
            std::uint32_t word = 0;
            in.get32(word);
            row[column] = word ^ above;
            above = row[column];
        }
    }
    replay.samples.clear();
    replay.samples.reserve(frameCount);
    for (const auto& row : words) {
        replay.samples.push_back(sampleOf(row));
    }
    if (frameCount > 0 && replay.samples.back().levelTime != replay.header.finishTime) {
        return "samples disagree with the run";
    }
    return {};
}

struct Sizes {
    std::uint32_t unpacked = 0;
    std::uint32_t unpackedCrc = 0;
    std::uint32_t packed = 0;
};

std::string decodeHeaderAndSizes(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header, Sizes& sizes)
{
    if (size == 0) {
        return "empty";
    }
    ByteReader in(bytes, size);
    std::array<std::uint8_t, 4> found{};
    for (std::uint8_t& byte : found) {
        if (!in.get8(byte)) {
            return "truncated";
        }
    }
    if (found != magic) {
        return "not a replay";
    }
    std::uint16_t version = 0;
    std::uint8_t level = 0;
    std::uint8_t mode = 0;
    std::uint32_t finishTime = 0;
    if (!in.get16(version)) {
        return "truncated";
    }
    if (version != ReplayFile::formatVersion) {
        return "format version " + std::to_string(version);
    }
    if (!in.get8(level) || !in.get8(mode) || !in.get32(header.levelChecksum) || !in.get32(finishTime) ||
        !in.get32(header.frameCount) || !in.get32(sizes.unpacked) || !in.get32(sizes.unpackedCrc) ||
        !in.get32(sizes.packed)) {
        return "truncated";
    }
    if (level >= levelCount || mode > 1) {
        return "no such level";
    }
    if (header.frameCount > ReplayFile::maxFrames) {
        return "too many frames";
    }
    header.level = level;
    header.hardMode = mode == 1;
    header.finishTime = static_cast<std::int32_t>(finishTime);
    return {};
}

}  // namespace

std::string ReplayFile::bestRunPath(int level, bool hardMode)
{
    char path[64];
    std::snprintf(path, sizeof path, GamePaths::bestRunFormat, level, modeName(hardMode));
    return path;
}

std::string ReplayFile::demoPath(int level, bool hardMode)
{
    char path[64];
    std::snprintf(path, sizeof path, GamePaths::demoFormat, level, modeName(hardMode));
    return path;
}

std::uint32_t ReplayFile::levelChecksum(int level)
{
    char path[64];
    std::snprintf(path, sizeof path, GamePaths::levelFormat, level);
    std::vector<std::uint8_t> bytes;
    // Map files are 46880 bytes; anything much longer is not one the game reads whole either.
    constexpr std::size_t mapLimit = 1u << 20;
    if (!readWhole(path, bytes, mapLimit)) {
        return 0;
    }
    return crcOf(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> ReplayFile::encode(const Replay& replay)
{
    ByteWriter body;
    encodeBody(replay, body);
    uLongf packedSize = compressBound(static_cast<uLong>(body.bytes.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, body.bytes.data(), static_cast<uLong>(body.bytes.size()), Z_BEST_COMPRESSION);
    packed.resize(packedSize);

    ByteWriter out;
    out.bytes.assign(magic.begin(), magic.end());
    out.put16(formatVersion);
    out.put8(static_cast<std::uint8_t>(replay.header.level));
    out.put8(replay.header.hardMode ? 1 : 0);
    out.put32(replay.header.levelChecksum);
    out.put32(static_cast<std::uint32_t>(replay.header.finishTime));
    out.put32(static_cast<std::uint32_t>(replay.samples.size()));
    out.put32(static_cast<std::uint32_t>(body.bytes.size()));
    out.put32(crcOf(body.bytes.data(), body.bytes.size()));
    out.put32(static_cast<std::uint32_t>(packed.size()));
    out.bytes.insert(out.bytes.end(), packed.begin(), packed.end());
    return out.bytes;
}

std::string ReplayFile::decodeHeader(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header)
{
    Sizes sizes;
    return decodeHeaderAndSizes(bytes, size, header, sizes);
}

std::string ReplayFile::decode(const std::uint8_t* bytes, std::size_t size, Replay& replay)
{
    replay = Replay{};
    Sizes sizes;
    std::string reason = decodeHeaderAndSizes(bytes, size, replay.header, sizes);
    if (!reason.empty()) {
        return reason;
    }
    if (size - headerSize < sizes.packed) {
        return "truncated";
    }
    if (size - headerSize > sizes.packed) {
        return "bytes after the end";
    }
    if (sizes.unpacked < fixedBodyBytes + sampleBytes * replay.header.frameCount) {
        return "frame count larger than the file";
    }
    if (sizes.unpacked > sizes.packed * zlibBestRatio + zlibSlack) {
        return "damaged frames";
    }
    std::vector<std::uint8_t> body(sizes.unpacked);
    uLongf unpackedSize = sizes.unpacked;
    if (uncompress(body.data(), &unpackedSize, bytes + headerSize, sizes.packed) != Z_OK ||
        unpackedSize != sizes.unpacked || crcOf(body.data(), body.size()) != sizes.unpackedCrc) {
        return "damaged frames";
    }
    ByteReader in(body.data(), body.size());
    reason = decodeBody(in, replay);
    if (!reason.empty()) {
        replay = Replay{};
    }
    return reason;
}

bool ReplayFile::read(const std::string& path, int level, bool hardMode, Replay& replay)
{
    std::vector<std::uint8_t> bytes;
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr) {
        return false;
    }
    std::fclose(probe);
    std::string reason;
    if (!readWhole(path, bytes, maxFileSize)) {
        reason = bytes.size() > maxFileSize ? "too large" : "cannot be read";
    } else {
        reason = decode(bytes.data(), bytes.size(), replay);
    }
    if (reason.empty() && (replay.header.level != level || replay.header.hardMode != hardMode)) {
        reason = "made for another level or mode";
    }
    if (reason.empty() && replay.header.levelChecksum != levelChecksum(level)) {
        reason = "made on another level file";
    }
    if (!reason.empty()) {
        std::printf("Ignored replay %s: %s\n", path.c_str(), reason.c_str());
        replay = Replay{};
        return false;
    }
    return true;
}

bool ReplayFile::readHeader(const std::string& path, int level, bool hardMode, ReplayHeader& header)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::array<std::uint8_t, headerSize> bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return decodeHeader(bytes.data(), got, header).empty() && header.level == level && header.hardMode == hardMode &&
           header.levelChecksum == levelChecksum(level);
}

bool ReplayFile::write(const std::string& path, const Replay& replay)
{
    const std::vector<std::uint8_t> bytes = encode(replay);
    if (!makeFoldersFor(path) || !writeCrashSafe(path, bytes.data(), bytes.size())) {
        std::printf("Failed to save %s\n", path.c_str());
        return false;
    }
    return true;
}

bool ReplayFile::readSamples(int level, bool hardMode, std::vector<ReplaySample>& samples)
{
    Replay replay;
    if (!read(bestRunPath(level, hardMode), level, hardMode, replay)) {
        return false;
    }
    samples = std::move(replay.samples);
    return true;
}
