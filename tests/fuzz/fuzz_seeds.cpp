// Writes the starting corpus of both fuzzers: save files as the game writes them and map files of
// every layer, each small enough to read. Levels the build makes are added by the runner.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "records/save_data.hpp"
#include "world/level.hpp"

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

template <typename Data>
void put(const fs::path& path, const Data& bytes) { fuzzing::writeInput(path.c_str(), bytes.data(), bytes.size()); }

void writeSaves(const fs::path& dir)
{
    put(dir / "fresh.dat", SaveData().toBytes());
    SaveData easy;
    for (std::size_t level = 0; level < 5; ++level) easy.records[level] = 30000 + 7919 * static_cast<int>(level);
    easy.showFps = easy.musicOff = 1;
    const auto image = easy.toBytes();
    put(dir / "five-easy.dat", image);
    put(dir / "two-records.dat", Bytes(image.begin(), image.begin() + 8));
    SaveData done;
    done.records.fill(59999);
    done.hardMode = done.effectsOff = done.soundOff = 1;
    put(dir / "all-done-hard.dat", done.toBytes());
}

class MapImage {
public:
    MapImage() : bytes(Level::fileBytes, 0) { bytes[0] = 1; }

    // grid 0 is the terrain, 1 foreground, 2 collision pictures, 3 parallax, 4 objects.
    MapImage& set(int grid, int column, int row, int value)
    {
        return at(4 + grid * Level::gridCells + Level::cellIndex(column, row), value);
    }
    MapImage& style(int value) { return at(static_cast<int>(bytes.size()) - 1, value); }
    MapImage& at(int offset, int value)
    {
        bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(static_cast<std::int8_t>(value));
        return *this;
    }

    Bytes bytes;
};

void writeLevels(const fs::path& dir)
{
    put(dir / "empty.mp", MapImage().bytes);

    // A floor, a start point and a toilet, a piece of every layer (one mirrored) and each object kind.
    MapImage small;
    for (int column = 0; column < Level::columns; ++column) small.set(0, column, 23, 1).set(0, column, 24, 1);
    small.set(4, 2, 20, 1).set(4, 40, 18, 2);
    for (int kind = 3; kind <= 8; ++kind) small.set(4, 5 * kind, 10, kind);
    small.set(1, 3, 5, 2).set(2, 8, 15, -4).set(3, 12, 2, 1).style(3);
    put(dir / "small.mp", small.bytes);

    // Values at the edges of every table: the last picture of each layer and the first past it.
    MapImage edges;
    edges.set(1, 0, 0, 12).set(1, 1, 0, 13).set(2, 374, 24, 50).set(2, 373, 24, -51).set(3, 200, 12, 5);
    edges.set(3, 201, 12, 6).set(4, 374, 0, 9).set(4, 0, 24, -128).style(5);
    put(dir / "edges.mp", edges.bytes);

    put(dir / "short.mp", Bytes(small.bytes.begin(), small.bytes.begin() + 100));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <save seed folder> <level seed folder>\n", argv[0]);
        return 2;
    }
    writeSaves(argv[1]);  // the folders are made with the first file
    writeLevels(argv[2]);
    return 0;
}
