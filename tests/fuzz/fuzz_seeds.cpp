// Writes the fuzzers' starting corpus with the game's own code: save files, maps of every layer, a
// medal table, an options file and a short run. Levels the build makes are added by the runner.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "records/save_data.hpp"
#include "trial/medal_table.hpp"
#include "trial/play_options.hpp"
#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "replay_level.hpp"
#include "replays/replay_file.hpp"
#include "states/track_flight.hpp"
#include "world/level_file.hpp"

namespace {

namespace fs = std::filesystem;
using testing_support::LevelFile;

template <typename Data>
void put(const fs::path& path, const Data& bytes)
{
    fuzzing::writeInput(path.c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void writeSaves(const fs::path& dir)
{
    // Between them a mutation reaches any mix of records and flags; short files come by themselves.
    put(dir / "fresh.dat", SaveData().toBytes());
    SaveData done;
    done.records.fill(59999);
    done.hardMode = done.effectsOff = done.soundOff = 1;
    put(dir / "all-done-hard.dat", done.toBytes());
}

void writeLevels(const fs::path& dir)
{
    using Grid = LevelFile::Grid;
    put(dir / "empty.mp", LevelFile().bytes);

    // The replay fuzzer's level with a piece of every layer (one mirrored).
    LevelFile small = fuzzing::replayLevel();
    small.set(Grid::Foreground, 3, 5, 2).set(Grid::Pieces, 8, 15, -4).set(Grid::Parallax, 12, 2, 1).setStyle(3);
    put(dir / "small.mp", small.bytes);

    // Values at the edges of every table: the last picture of each layer and the first past it.
    LevelFile edges;
    edges.set(Grid::Foreground, 0, 0, 12).set(Grid::Foreground, 1, 0, 13).set(Grid::Parallax, 200, 12, 5);
    edges.set(Grid::Pieces, 374, 24, 50).set(Grid::Pieces, 373, 24, -51).set(Grid::Parallax, 201, 12, 6);
    edges.set(Grid::Objects, 374, 0, 9).set(Grid::Objects, 0, 24, -128).setStyle(5);
    put(dir / "edges.mp", edges.bytes);

    put(dir / "short.mp", std::vector<std::uint8_t>(small.bytes.begin(), small.bytes.begin() + 100));
}

void writeMedals(const fs::path& dir)
{
    MedalTable table;
    table.set(0, false, MedalTable::fromPar(21000));
    table.set(17, true, MedalTable::fromPar(64000));
    put(dir / "two.txt", table.toText());
}

void writeOptions(const fs::path& dir)
{
    PlayOptions hidden;
    hidden.ghostShown = false;
    put(dir / "hidden.dat", hidden.toText());
}

// A short run on the fuzzer's level flown through the action state: a climb, turns both ways.
void writeReplays(const fs::path& dir)
{
    fs::create_directories(dir);
    const fs::path work = fs::temp_directory_path() / "fezzle-replay-seed";
    fs::create_directories(work / "data/maps");
    const fs::path back = fs::current_path();
    fs::current_path(work);
    put("data/maps/map0.mp", fuzzing::replayLevel().bytes);
    ManualClock clock(60000);
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    engine.saveData->records.fill(1);
    TrackFlight::Plan plan;
    plan.keys.assign(40, TrackFlight::thrust);
    plan.keys.resize(70, TrackFlight::left | TrackFlight::thrust);
    plan.keys.resize(100, TrackFlight::right);
    plan.overrun = 0;
    plan.frameMs = {16, 25, 40};
    TrackFlight::End end;
    const std::vector<std::uint8_t> bytes = ReplayFile::encode(TrackFlight::fly(engine, clock, plan, end));
    engine.cleanup();
    TickSource::install(nullptr);
    fs::current_path(back);
    put(dir / "short.rpl", bytes);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s <save, level, medal, options and replay seed folders>\n", argv[0]);
        return 2;
    }
    writeSaves(argv[1]);  // the folders are made with the first file
    writeLevels(argv[2]);
    writeMedals(argv[3]);
    writeOptions(argv[4]);
    writeReplays(argv[5]);
    return 0;
}
