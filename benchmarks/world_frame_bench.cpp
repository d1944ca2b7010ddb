// Measures the world's update walk on the most crowded levels a map file can hold: every one of
// the 9375 object cells set. Prints, per level, the number of entities and the mean and slowest
// frame over a stretch of play, with the broad phase and with every pair tested. Times are the
// thread's processor time, so other work on the machine counts as little as it can.
//   fezzle-world-bench [frames [name filter [frames of every pair]]]
// (default 300 frames of 16 ms, every level, 5 frames testing every pair)
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game_engine.hpp"
#include "engine/manual_clock.hpp"
#include "support/test_support.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

using testing_support::LevelFile;

namespace {

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The boxes of the level file's kinds, for a world whose factory makes plain boxes of those sizes:
// the pair tests' cost with none of the kinds' own work.
struct KindBox {
    float width;
    float height;
};
constexpr KindBox kindBoxes[levelObjectKindCount] = {{100, 100}, {125, 125}, {75, 50}, {450, 450},
                                                     {128, 182}, {450, 450}, {60, 60}, {60, 60}};

class StillBox : public Entity {
public:
    StillBox(float x, float y, KindBox box, std::int32_t kind)
    {
        position.set(x, y, 0.0f);
        width = box.width;
        height = box.height;
        type = kind;
    }
    void update(GameEngine* /*engine*/) override {}
    bool collide(GameEngine* /*engine*/, Entity* /*other*/, Level* /*level*/) override { return false; }
};

class BoxWorld : public World {
protected:
    Entity* createObject(std::int32_t x, std::int32_t y, std::int32_t type) override
    {
        if (type < 0 || type >= levelObjectKindCount) {
            return nullptr;
        }
        return new StillBox(static_cast<float>(x), static_cast<float>(y), kindBoxes[type], type);
    }
};

struct Scenario {
    std::string name;
    std::function<int(int column, int row)> cellValue;  // object grid value of each cell
    bool standIn;
};

struct Result {
    int entitiesAtEnd = 0;
    double meanMs = 0.0;
    double slowestMs = 0.0;
};

Result play(const Scenario& scenario, bool broadPhase, int frames)
{
    testing_support::TempDir dir;
    LevelFile file;
    for (int column = 0; column < Level::columns; ++column) {
        for (int row = 0; row < Level::rows; ++row) {
            file.set(LevelFile::Grid::Objects, column, row, scenario.cellValue(column, row));
        }
    }
    file.write("map.mp");

    ManualClock clock;
    TickSource::install(&clock);
    GameEngine engine;
    engine.initHeadless();
    std::unique_ptr<World> world = scenario.standIn ? std::make_unique<BoxWorld>() : std::make_unique<World>();
    world->pairIndexFrom = broadPhase ? World::defaultPairIndexFrom : INT32_MAX;
    world->level->load("map.mp");

    Result result;
    double total = 0.0;
    for (int frame = 0; frame < frames; ++frame) {
        engine.update();
        const double start = cpuMs();
        world->update(&engine);
        const double spent = cpuMs() - start;
        total += spent;
        result.slowestMs = std::max(result.slowestMs, spent);
    }
    result.meanMs = total / std::max(frames, 1);
    result.entitiesAtEnd = world->objects.size();
    world = nullptr;
    TickSource::install(nullptr);
    return result;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const std::string filter = argc > 2 ? argv[2] : "";
    // The plain double loop is slow on these levels; a few frames show its cost.
    const int plainFrames = argc > 3 ? std::max(0, std::atoi(argv[3])) : std::min(frames, 5);
    // The level loader logs every map; the table goes to standard error.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        return 1;
    }

    std::vector<Scenario> scenarios;
    for (int kind = 0; kind < levelObjectKindCount; ++kind) {
        scenarios.push_back({"boxes of kind " + std::to_string(kind), [kind](int, int) { return kind + 1; }, true});
    }
    for (int kind = 0; kind < levelObjectKindCount; ++kind) {
        scenarios.push_back({"kind " + std::to_string(kind), [kind](int, int) { return kind + 1; }, false});
    }
    scenarios.push_back(
        {"all kinds mixed", [](int column, int row) { return (column + row) % levelObjectKindCount + 1; }, false});

    std::fprintf(stderr, "%-22s %9s | %-26s | %-26s\n", "level (9375 cells)", "entities", "broad phase: mean / max ms",
                 "every pair: mean / max ms");
    for (const Scenario& scenario : scenarios) {
        if (scenario.name.find(filter) == std::string::npos) {
            continue;
        }
        const Result grid = play(scenario, true, frames);
        const Result plain = plainFrames > 0 ? play(scenario, false, plainFrames) : Result{};
        if (grid.entitiesAtEnd == 0) {
            std::fprintf(stderr, "%-22s %9s\n", scenario.name.c_str(), "(no kind)");
            continue;
        }
        std::fprintf(stderr, "%-22s %9d | %11.2f / %11.2f | %11.2f / %11.2f\n", scenario.name.c_str(),
                     grid.entitiesAtEnd, grid.meanMs, grid.slowestMs, plain.meanMs, plain.slowestMs);
    }
    return 0;
}
