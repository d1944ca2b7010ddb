#include "quiet_log.hpp"

#include <unistd.h>

std::FILE* divertGameLog(const char* logPath)
{
    std::fflush(stdout);
    const int original = dup(fileno(stdout));
    if (original < 0) {
        return stdout;
    }
    std::FILE* report = fdopen(original, "w");
    if (report == nullptr || std::freopen(logPath, "w", stdout) == nullptr) {
        return stdout;
    }
    return report;
}
