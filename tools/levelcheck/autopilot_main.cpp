// fezzle-autopilot: flies a level along its route and writes the input track it found.
//   fezzle-autopilot <map.mp> <route> easy|hard <out.track>
#include <cstdio>
#include <string>

#include "autopilot.hpp"
#include "level_error.hpp"
#include "quiet_log.hpp"

int main(int argc, char** argv)
{
    if (argc != 5 || (std::string(argv[3]) != "easy" && std::string(argv[3]) != "hard")) {
        std::fprintf(stderr, "usage: fezzle-autopilot <map.mp> <route> easy|hard <out.track>\n");
        return 2;
    }
    std::FILE* out = divertGameLog("/dev/null");
    try {
        const LevelRoute route = LevelRoute::load(argv[2]);
        const AutopilotResult result = Autopilot::fly(argv[1], route, std::string(argv[3]) == "hard");
        std::fprintf(out, "%s %s: %s after %d frames at %.0f,%.0f, %.0f of %.0f along the route\n", argv[1], argv[3],
                     result.finished ? "finished" : "stuck", result.frames, static_cast<double>(result.x),
                     static_cast<double>(result.y), static_cast<double>(result.progress),
                     static_cast<double>(result.routeLength));
        if (!result.finished) {
            return 1;
        }
        result.track.save(argv[4], std::string("autopilot track for ") + argv[1] + " (" + argv[3] + ")");
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "fezzle-autopilot: %s\n", fault.what());
        return 1;
    }
    return 0;
}
