#include "records/save_data.hpp"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "records/crash_safe_write.hpp"

namespace {

constexpr std::size_t recordBytes = 4;
constexpr std::size_t flagsOffset = SaveData::recordCount * recordBytes;  // 144

void putInt32(std::uint8_t* out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < recordBytes; ++i) {
        out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

std::int32_t getInt32(const std::uint8_t* in)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < recordBytes; ++i) {
        bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

// The program only ever writes 0 and 1; anything else read from a file counts as set.
std::uint8_t asFlag(std::uint8_t byte)
{
    return byte == 0 ? 0 : 1;
}

}  // namespace

void SaveData::clear()
{
    records.fill(0);
    showFps = hardMode = effectsOff = soundOff = musicOff = 0;
}

std::array<std::uint8_t, SaveData::fileSize> SaveData::toBytes() const
{
    std::array<std::uint8_t, fileSize> bytes{};
    for (int i = 0; i < recordCount; ++i) {
        putInt32(&bytes[static_cast<std::size_t>(i) * recordBytes], records[static_cast<std::size_t>(i)]);
    }
    bytes[flagsOffset + 0] = showFps;
    bytes[flagsOffset + 1] = hardMode;
    bytes[flagsOffset + 2] = effectsOff;
    bytes[flagsOffset + 3] = soundOff;
    bytes[flagsOffset + 4] = musicOff;
    return bytes;
}

void SaveData::fromBytes(const std::uint8_t* bytes, std::size_t count)
{
    std::array<std::uint8_t, fileSize> image{};
    std::memcpy(image.data(), bytes, count < fileSize ? count : fileSize);
    for (int i = 0; i < recordCount; ++i) {
        const std::int32_t record = getInt32(&image[static_cast<std::size_t>(i) * recordBytes]);
        // A negative time could never be beaten; count it as no record.
        records[static_cast<std::size_t>(i)] = record < 0 ? 0 : record;
    }
    showFps = asFlag(image[flagsOffset + 0]);
    hardMode = asFlag(image[flagsOffset + 1]);
    effectsOff = asFlag(image[flagsOffset + 2]);
    soundOff = asFlag(image[flagsOffset + 3]);
    musicOff = asFlag(image[flagsOffset + 4]);
}

bool SaveData::load()
{
    clear();
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        std::printf("Failed to load %s\n", path);
        return false;
    }
    std::array<std::uint8_t, fileSize> bytes{};
    const std::size_t count = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    fromBytes(bytes.data(), count);
    return true;
}

bool SaveData::save()
{
    // A crash while saving leaves the old record or the new one, never a short file.
    const std::array<std::uint8_t, fileSize> bytes = toBytes();
    const bool ok = makeFoldersFor(path) && writeCrashSafe(path, bytes.data(), bytes.size());
    if (!ok) {
        std::printf("Failed to save %s\n", path);
    }
    return ok;
}

bool SaveData::submitRecord(int level, int timeMs)
{
    if (level < 0 || level >= levelsPerMode) {
        return false;
    }
    std::int32_t& slot = records[static_cast<std::size_t>(level + slotBase())];
    if (slot != 0 && slot <= timeMs) {
        return false;
    }
    slot = timeMs;
    save();
    return true;
}

int SaveData::getRecord(int level) const
{
    if (level < 0 || level >= levelsPerMode) {
        return 0;
    }
    return records[static_cast<std::size_t>(level + slotBase())];
}

int SaveData::openLevelCount() const
{
    for (int i = 0; i < levelsPerMode; ++i) {
        if (records[static_cast<std::size_t>(slotBase() + i)] == 0) {
            return i + 1;
        }
    }
    return levelsPerMode;
}

bool saveFileExists()
{
    struct stat info {};
    return stat(SaveData::path, &info) == 0;
}
