// Any bytes as ./data/dat/game.dat: loaded, then shown as the records screen and the level list
// show them, in both game modes. A damaged file may show odd times but must never open a level
// whose earlier levels have no record.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "fuzz_support.hpp"
#include "graphics/tables.hpp"
#include "records/format_time.hpp"
#include "records/save_data.hpp"

namespace {

// One row of the level list and of the records page: the padded name and the time in brackets.
void formatRow(const SaveData& data, int level)
{
    char time[timeTextSize];
    formatTime(data.getRecord(level), time);
    if (std::strlen(time) >= timeTextSize - 1) {
        fuzzing::broken("a time fills its whole buffer");
    }
    char row[128];
    const int length = std::snprintf(row, sizeof row, "%s [%s]", levelNames[static_cast<std::size_t>(level)], time);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof row) {
        fuzzing::broken("a record row does not fit");
    }
}

void showMode(SaveData& data, std::uint8_t hardMode)
{
    data.hardMode = hardMode;
    const int open = data.openLevelCount();
    if (open < 1 || open > SaveData::levelsPerMode) {
        fuzzing::broken("open level count out of range");
    }
    for (int level = 0; level + 1 < open; ++level) {
        if (data.getRecord(level) == 0) {
            fuzzing::broken("a level opened past a level without a record");
        }
    }
    // The level list shows every open level; the records page those with a record.
    for (int level = 0; level < open; ++level) {
        formatRow(data, level);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    fuzzing::enterScratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::writeInput(SaveData::path, data, size);
    SaveData save;
    if (!save.load()) {
        fuzzing::broken("an existing save file was not loaded");
    }
    char time[timeTextSize];
    for (const std::int32_t record : save.records) {
        formatTime(record, time);
    }
    // What is kept in memory is what the next save writes and the next start reads back.
    SaveData reread;
    const auto image = save.toBytes();
    reread.fromBytes(image.data(), image.size());
    if (reread.toBytes() != image) {
        fuzzing::broken("the record does not survive its own save image");
    }
    const std::uint8_t mode = save.hardMode;
    showMode(save, 0);
    showMode(save, 1);
    save.hardMode = mode;
    return 0;
}
