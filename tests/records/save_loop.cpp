// Writes records (or, with `replay`, a best run) through the game's own save code as fast as it
// can, for a test that kills it at random moments. Each save writes image k of a numbered series;
// `check` tells whether the file on disk is exactly one of those images, and which one.
//   save_loop run [replay]    continue the series from the file on disk (or from 1), forever
//   save_loop check [replay]  print k of the file on disk, or fail when it is not an image of the series
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "records/save_data.hpp"
#include "replays/replay_file.hpp"

namespace {

// Only values a load gives back unchanged: records from 1 to INT32_MAX, flags 0 or 1.
SaveData image(std::int32_t k)
{
    SaveData data;
    data.records[0] = k;
    for (std::size_t i = 1; i < data.records.size(); ++i) {
        const std::uint32_t mixed =
            static_cast<std::uint32_t>(k) * 2654435761u + static_cast<std::uint32_t>(i) * 40503u;
        data.records[i] = static_cast<std::int32_t>(mixed & 0x7FFFFFFFu) | 1;
    }
    int bit = 0;
    for (std::uint8_t* flag : {&data.showFps, &data.hardMode, &data.effectsOff, &data.soundOff, &data.musicOff}) {
        *flag = static_cast<std::uint8_t>((k >> bit++) & 1);
    }
    return data;
}

// Runs of different lengths, so that a torn write could not pass for a whole one.
Replay replayImage(std::int32_t k)
{
    Replay run;
    const auto frames = static_cast<std::uint32_t>(k % 97 + 1);
    for (std::uint32_t i = 0; i < frames; ++i) {
        run.clockReads.push_back(1000 + 16 * i);
        run.samples.push_back(ReplaySample{static_cast<float>(i), static_cast<float>(k), 1.5f, k});
    }
    run.header.frameCount = frames;
    run.header.finishTime = k;
    return run;
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int runReplays()
{
    const std::string path = ReplayFile::bestRunPath(0, false);
    const std::vector<std::uint8_t> old = fileBytes(path);
    Replay onDisk;
    std::int32_t k = ReplayFile::decode(old.data(), old.size(), onDisk).empty() ? onDisk.header.finishTime : 0;
    for (bool announced = false;; announced = true) {
        k = k == INT32_MAX ? 1 : k + 1;
        if (!ReplayFile::write(path, replayImage(k))) return 3;
        if (!announced) std::fprintf(stderr, "ready\n");
    }
}

int checkReplays()
{
    const std::vector<std::uint8_t> bytes = fileBytes(ReplayFile::bestRunPath(0, false));
    Replay read;
    if (!ReplayFile::decode(bytes.data(), bytes.size(), read).empty() || read.header.finishTime <= 0 ||
        ReplayFile::encode(replayImage(read.header.finishTime)) != bytes) {
        std::fprintf(stderr, "%zu bytes, not a run of the series\n", bytes.size());
        return 1;
    }
    std::printf("%d\n", read.header.finishTime);
    return 0;
}

int run()
{
    SaveData onDisk;
    std::int32_t k = onDisk.load() ? onDisk.records[0] : 0;
    for (bool announced = false;; announced = true) {
        k = k == INT32_MAX ? 1 : k + 1;
        if (!image(k).save()) return 3;
        if (!announced) std::fprintf(stderr, "ready\n");
    }
}

int check()
{
    std::ifstream in(SaveData::path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SaveData read;
    read.fromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const auto expected = image(read.records[0]).toBytes();
    if (bytes.size() != expected.size() || read.records[0] <= 0 ||
        std::memcmp(expected.data(), bytes.data(), expected.size()) != 0) {
        std::fprintf(stderr, "%zu bytes, not an image of the series\n", bytes.size());
        return 1;
    }
    std::printf("%d\n", read.records[0]);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string command = argc >= 2 ? argv[1] : "";
    const bool replays = argc == 3 && std::string(argv[2]) == "replay";
    if (argc == 2 || replays) {
        if (command == "run") return replays ? runReplays() : run();
        if (command == "check") return replays ? checkReplays() : check();
    }
    std::fprintf(stderr, "usage: %s run|check [replay]\n", argv[0]);
    return 2;
}
