#include "autopilot.hpp"

#include <array>
#include <limits>
#include <sys/wait.h>
#include <unistd.h>

#include "entities/hat.hpp"
#include "flight_controller.hpp"
#include "level_run.hpp"

namespace {

// One choice for the next few frames: the pilot in some style, or keys held as they are.
struct Choice {
    FlightStyle style;
    bool fixed = false;
    std::uint8_t keys = 0;
};

const std::array<Choice, 9> choices = {{
    {{170.0f, 120.0f, 0.0f}, false, 0},
    {{100.0f, 120.0f, 0.0f}, false, 0},
    {{260.0f, 160.0f, 0.0f}, false, 0},
    {{170.0f, 120.0f, -40.0f}, false, 0},
    {{170.0f, 120.0f, 40.0f}, false, 0},
    {{}, true, HeldKeys::thrust},
    {{}, true, 0},
    {{}, true, HeldKeys::left | HeldKeys::thrust},
    {{}, true, HeldKeys::right | HeldKeys::thrust},
}};

constexpr double finishScore = 1e9;
constexpr double bumpCost = 500.0;
constexpr double offRouteCost = 1.5;
// Below this room in the gas meter every unit lost counts against a choice.
constexpr double safeMargin = 2000.0;
constexpr double marginCost = 0.5;

bool over(const LevelRun& run)
{
    return run.finished() || run.burst() || run.frames >= Autopilot::frameLimit;
}

std::uint8_t keysFor(const Choice& choice, FlightController& pilot, const LevelRun& run)
{
    if (!choice.fixed) {
        return pilot.keys(HatState::of(*run.hat), choice.style);
    }
    pilot.track(HatState::of(*run.hat));
    return choice.keys;
}

double score(const LevelRun& run, FlightController& pilot)
{
    if (run.finished()) {
        return finishScore - run.frames;
    }
    if (run.burst()) {
        return -finishScore + pilot.progress;
    }
    pilot.track(HatState::of(*run.hat));
    const double margin = run.hat->capacity - run.hat->pressure;
    return pilot.progress - offRouteCost * pilot.offRoute - bumpCost * run.hardBumps -
           (margin < safeMargin ? (safeMargin - margin) * marginCost : 0.0);
}

// Plays the choice, then the plain pilot, in a forked copy of the run; returns how that went.
double tryAhead(LevelRun& run, const FlightController& pilot, const Choice& choice)
{
    int link[2];
    if (pipe(link) != 0) {
        return -std::numeric_limits<double>::infinity();
    }
    const pid_t child = fork();
    if (child == 0) {
        close(link[0]);
        FlightController ahead = pilot;
        for (int i = 0; i < Autopilot::decisionFrames && !over(run); ++i) {
            run.step(keysFor(choice, ahead, run));
        }
        for (int i = 0; i < Autopilot::lookaheadFrames && !over(run); ++i) {
            run.step(ahead.keys(HatState::of(*run.hat), choices[0].style));
        }
        const double result = score(run, ahead);
        const ssize_t written = write(link[1], &result, sizeof result);
        _exit(written == sizeof result ? 0 : 1);
    }
    close(link[1]);
    double result = -std::numeric_limits<double>::infinity();
    if (child > 0 && read(link[0], &result, sizeof result) != sizeof result) {
        result = -std::numeric_limits<double>::infinity();
    }
    close(link[0]);
    if (child > 0) {
        waitpid(child, nullptr, 0);
    }
    return result;
}

}  // namespace

AutopilotResult Autopilot::fly(const std::string& mapPath, const LevelRoute& route, bool hardMode)
{
    LevelRun run(mapPath, hardMode, LevelRun::Start{}, false);
    FlightController pilot(route);
    AutopilotResult result;
    while (!over(run)) {
        std::size_t best = 0;
        double bestScore = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const double s = tryAhead(run, pilot, choices[i]);
            if (s > bestScore) {
                best = i;
                bestScore = s;
            }
        }
        for (int i = 0; i < decisionFrames && !over(run); ++i) {
            const std::uint8_t keys = keysFor(choices[best], pilot, run);
            result.track.frames.push_back(keys);
            run.step(keys);
        }
    }
    result.finished = run.finished();
    result.frames = run.frames;
    result.x = run.hat->getCenterX();
    result.y = run.hat->getCenterY();
    result.progress = pilot.progress;
    result.routeLength = route.length();
    return result;
}
