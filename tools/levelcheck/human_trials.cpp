#include "human_trials.hpp"

#include <algorithm>

namespace {

// A person starts a level after a menu visit of its own length, with the game's random sequence
// moved on by whatever ran before: every phase of every object's cycle comes round.
constexpr std::uint32_t startSpreadMs = 30000;
constexpr int mostDrawsBefore = 1000;
constexpr int tenth = 10;

// Spreads the seed's trials apart, so that neighbouring numbers are unrelated people.
constexpr std::uint64_t trialStride = 0xD1B54A32D192ED03ull;

}  // namespace

HumanTrials::Trial HumanTrials::draw(std::uint64_t seed, int number)
{
    TrialRandom random(seed ^ (static_cast<std::uint64_t>(number) + 1) * trialStride);
    Trial trial;
    trial.traits = PilotTraits::draw(random);
    trial.start.clockMs = LevelRun::defaultClockMs + static_cast<std::uint32_t>(random.between(0, startSpreadMs));
    trial.start.randDraws = random.between(0, mostDrawsBefore);
    trial.handSeed = random.next();
    return trial;
}

CheckResult HumanTrials::fly(const std::string& mapPath, const LevelRoute& route, bool hardMode, const Trial& trial,
                             const std::string& shotPrefix)
{
    HumanPilot pilot(route, trial.traits, trial.handSeed);
    float bestProgress = 0.0f;
    int bestAt = 0;
    return LevelCheck::play(
        mapPath, hardMode, trial.start,
        [&](const LevelRun& run, std::uint8_t& keys) {
            keys = pilot.keys(run);
            if (pilot.progress() > bestProgress + stuckProgressPixels) {
                bestProgress = pilot.progress();
                bestAt = run.frames;
            }
            return run.frames < frameLimit && run.frames - bestAt < stuckFrames;
        },
        shotPrefix);
}

HumanSummary HumanTrials::flyAll(const std::string& mapPath, const LevelRoute& route, bool hardMode, int trials,
                                 std::uint64_t seed)
{
    std::vector<CheckResult> results;
    for (int i = 0; i < trials; ++i) {
        results.push_back(fly(mapPath, route, hardMode, draw(seed, i)));
    }
    return summarize(results);
}

HumanSummary HumanTrials::summarize(const std::vector<CheckResult>& results)
{
    HumanSummary summary;
    summary.trials = static_cast<int>(results.size());
    std::vector<std::int32_t> times;
    std::vector<std::int32_t> margins;
    for (const CheckResult& result : results) {
        if (result.finished) {
            times.push_back(result.levelTimeMs);
            margins.push_back(result.lowestMargin);
        }
    }
    summary.finished = static_cast<int>(times.size());
    if (times.empty()) {
        return summary;
    }
    std::sort(times.begin(), times.end());
    std::sort(margins.begin(), margins.end());
    summary.medianTimeMs = times[(times.size() - 1) / 2];
    // The nearest rank: the smallest margin with at least a tenth of the trials at or below it.
    const std::size_t rank = (margins.size() + tenth - 1) / tenth;
    summary.tenthMargin = margins[rank - 1];
    return summary;
}
