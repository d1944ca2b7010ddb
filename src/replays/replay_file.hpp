// The replay file: a small header (so a list reads only that) and the frames, zlib-compressed.
//
//   offset size
//        0    4  magic "FZRP"
//        4    2  format version
//        6    1  level index 0 to 17
//        7    1  mode: 0 easy, 1 hard
//        8    4  CRC-32 of the map file the run was made on
//       12    4  finish time: the hat's level time at the last frame, ms
//       16    4  frame count
//       20    4  size of the frames unpacked
//       24    4  CRC-32 of the frames unpacked
//       28    4  size of the packed frames, which fill the rest of the file
//
// All little-endian. Unpacked, the frames are: the frame timer's last ticks and frame count, the
// effects switch, the random generator's 31 words and its front, the clock reads (each a difference
// from the one before), the events (frame difference, kind, action), and then the samples as four
// columns (x, y, angle, level time), each word XORed with the one above it so that zlib finds the
// runs.
//
// Reading for the ghost: ReplayFile::readSamples(level, hardMode, samples) fills one sample (hat x,
// y, angle, level time) per frame of the player's best run of that level and mode, and is false
// when there is none or it cannot be used (a bad file logs one line). This call stays as it is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "replays/replay.hpp"

class ReplayFile {
public:
    static constexpr std::uint16_t formatVersion = 1;
    static constexpr std::size_t headerSize = 32;
    // A little over four hours of the shortest frames: no real run comes near it.
    static constexpr std::uint32_t maxFrames = 1u << 20;
    // Larger files are not read at all.
    static constexpr std::size_t maxFileSize = 16u << 20;

    // ./data/dat/replays/map%d-easy.rpl and -hard.rpl: the player's best runs.
    static std::string bestRunPath(int level, bool hardMode);
    // ./data/demos/map%d-easy.rpl and -hard.rpl: the shipped runs.
    static std::string demoPath(int level, bool hardMode);
    // CRC-32 of the map file of the level as the game would load it now; 0 when it cannot be read.
    static std::uint32_t levelChecksum(int level);

    static std::vector<std::uint8_t> encode(const Replay& replay);
    // Empty when the bytes are a whole replay, else why not.
    static std::string decode(const std::uint8_t* bytes, std::size_t size, Replay& replay);
    static std::string decodeHeader(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header);

    // Reads the replay at `path` made for `level` and the mode on the map file there is now. A
    // missing file is quietly false; a file that cannot be used logs "Ignored replay %s: <reason>".
    static bool read(const std::string& path, int level, bool hardMode, Replay& replay);
    // The same checks on the header alone, and never a log line: for lists and hints.
    static bool readHeader(const std::string& path, int level, bool hardMode, ReplayHeader& header);
    // Written crash-safe, its folder made when missing; a failure logs "Failed to save %s".
    static bool write(const std::string& path, const Replay& replay);

    // The samples of the player's best run of a level and mode.
    static bool readSamples(int level, bool hardMode, std::vector<ReplaySample>& samples);
};
