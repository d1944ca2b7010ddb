// Any bytes as a best run, read as the level list and the watching read it; a run the reader takes
// is played back through the action state to its end. The bytes also go in once more as the
// unpacked frames of a well-formed file (header, sizes and checksums made to fit), so that the
// frames' own reader is reached past the checksum. Whatever is taken must hold together: one
// sample per frame, its events in order within the run, the same run when written again.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "fuzz_support.hpp"
#include "replay_level.hpp"
#include "replays/byte_stream.hpp"
#include "replays/replay_file.hpp"
#include "states/track_flight.hpp"

namespace {

GameEngine engine;
ManualClock playClock;
constexpr int level = 0;

void checkTaken(const Replay& run)
{
    if (run.samples.size() != run.header.frameCount) fuzzing::broken("a sample count other than the frame count");
    std::uint32_t frame = 0;
    for (const ReplayEvent& event : run.events) {
        if (event.frame < frame || event.frame > run.header.frameCount) fuzzing::broken("an event out of its run");
        frame = event.frame;
    }
    const std::vector<std::uint8_t> again = ReplayFile::encode(run);
    Replay reread;
    if (!ReplayFile::decode(again.data(), again.size(), reread).empty() || reread.samples != run.samples ||
        reread.clockReads != run.clockReads || reread.events.size() != run.events.size()) {
        fuzzing::broken("a run taken is not the same run written again");
    }
    const TrackFlight::End end = TrackFlight::play(engine, run);
    if (end.frames > run.header.frameCount) fuzzing::broken("a playback ran past its run");
}

void readAsBestRun(const std::uint8_t* data, std::size_t size)
{
    const std::string path = ReplayFile::bestRunPath(level, false);
    fuzzing::writeInput(path.c_str(), data, size);
    ReplayHeader header;
    const bool listed = ReplayFile::readHeader(path, level, false, header);
    Replay run;
    const bool taken = ReplayFile::read(path, level, false, run);
    if (taken && !listed) fuzzing::broken("a run watched that the level list does not offer");
    if (taken) checkTaken(run);
}

// The input as unpacked frames: its first two bytes give the frame count.
std::vector<std::uint8_t> wrapped(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) return {};
    const std::uint32_t frames = data[0] | (data[1] << 8);
    const std::vector<std::uint8_t> body(data + 2, data + size);
    uLongf packedSize = compressBound(static_cast<uLong>(body.size()));
    std::vector<std::uint8_t> packed(packedSize);
    compress2(packed.data(), &packedSize, body.data(), static_cast<uLong>(body.size()), 1);
    packed.resize(packedSize);
    const auto crc =
        static_cast<std::uint32_t>(crc32(crc32(0L, Z_NULL, 0), body.data(), static_cast<uInt>(body.size())));

    ByteWriter out;
    for (const char letter : {'F', 'Z', 'R', 'P'}) out.put8(static_cast<std::uint8_t>(letter));
    out.put16(ReplayFile::formatVersion);
    out.put8(level);
    out.put8(0);
    out.put32(ReplayFile::levelChecksum(level));
    // The finish time is the last sample's level time, which the frames hold at their very end.
    out.put32(body.size() >= 4
                  ? static_cast<std::uint32_t>(body[body.size() - 4] | (body[body.size() - 3] << 8) |
                                               (body[body.size() - 2] << 16) | (body[body.size() - 1] << 24))
                  : 0);
    out.put32(frames);
    out.put32(static_cast<std::uint32_t>(body.size()));
    out.put32(crc);
    out.put32(static_cast<std::uint32_t>(packed.size()));
    out.bytes.insert(out.bytes.end(), packed.begin(), packed.end());
    return out.bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    TickSource::install(&playClock);
    fuzzing::startHarness(engine);
    const std::vector<std::uint8_t> map = fuzzing::replayLevel().bytes;
    fuzzing::writeInput("data/maps/map0.mp", map.data(), map.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    readAsBestRun(data, size);
    const std::vector<std::uint8_t> file = wrapped(data, size);
    readAsBestRun(file.data(), file.size());
    return 0;
}
