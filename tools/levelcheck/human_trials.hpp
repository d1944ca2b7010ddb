// Many people flying one level in one mode: each trial a person of its own (drawn from the seed
// and the trial's number) starting the level at a moment of its own, and what they made of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "human_pilot.hpp"
#include "level_check.hpp"
#include "level_route.hpp"

struct HumanSummary {
    int trials = 0;
    int finished = 0;
    // Of the finished trials: the median level time, and the room in the gas meter that all but
    // a tenth of them kept at least. -1 when no trial finished.
    std::int32_t medianTimeMs = -1;
    std::int32_t tenthMargin = -1;

    double ratePercent() const { return trials == 0 ? 0.0 : 100.0 * finished / trials; }
};

class HumanTrials {
public:
    static constexpr std::uint64_t defaultSeed = 1;
    static constexpr int defaultTrials = 200;
    // A person gives up after this long without getting on along the route, or this long in all.
    static constexpr int stuckFrames = 1250;  // 20 s
    static constexpr float stuckProgressPixels = 64.0f;
    static constexpr int frameLimit = 11250;  // 3 min

    struct Trial {
        PilotTraits traits;
        LevelRun::Start start;
        std::uint64_t handSeed = 0;
    };
    // Trial `number` of `seed`: the same person in every level and mode.
    static Trial draw(std::uint64_t seed, int number);

    static CheckResult fly(const std::string& mapPath, const LevelRoute& route, bool hardMode, const Trial& trial,
                           const std::string& shotPrefix = "");
    static HumanSummary flyAll(const std::string& mapPath, const LevelRoute& route, bool hardMode, int trials,
                               std::uint64_t seed);
    static HumanSummary summarize(const std::vector<CheckResult>& results);
};
