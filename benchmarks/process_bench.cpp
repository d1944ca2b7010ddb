// Runs whole programs several times, taking turns so that the machine's load falls on each alike,
// and prints per program: the median and the spread of the wall time from start to exit, the
// processor time, and the peak resident memory.
//   fezzle-process-bench RUNS LABEL PROGRAM [ARG...] [--and LABEL PROGRAM [ARG...]]...
// One line per program: "<label> runs <n> wall_ms <median> <min> <max> cpu_ms <median> peak_kb <max>".
// The programs' own output goes to /dev/null; the exit status is 1 when any run failed.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sample_stats.hpp"

namespace {

struct Program {
    std::string label;
    std::vector<char*> argv;
    SampleStats wallMs;
    SampleStats cpuMs;
    long peakKb = 0;
    int failures = 0;
};

double milliseconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

void runOnce(Program& program, bool counted)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(program.argv[0], program.argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) {
        ++program.failures;
        return;
    }
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        ++program.failures;
    }
    if (!counted) {
        return;
    }
    program.wallMs.add(wall.count());
    program.cpuMs.add(milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
    program.peakKb = std::max(program.peakKb, usage.ru_maxrss);
}

bool parse(int argc, char** argv, int& runs, std::vector<Program>& programs)
{
    if (argc < 4) {
        return false;
    }
    runs = std::atoi(argv[1]);
    for (int i = 2; i < argc; ++i) {
        if (programs.empty() || std::strcmp(argv[i], "--and") == 0) {
            i += programs.empty() ? 0 : 1;
            if (i + 1 >= argc) {
                return false;
            }
            programs.push_back(Program{argv[i], {}, {}, {}, 0, 0});
            continue;
        }
        programs.back().argv.push_back(argv[i]);
    }
    for (Program& program : programs) {
        if (program.argv.empty()) {
            return false;
        }
        program.argv.push_back(nullptr);
    }
    return runs > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 0;
    std::vector<Program> programs;
    if (!parse(argc, argv, runs, programs)) {
        std::fprintf(stderr,
                     "usage: fezzle-process-bench RUNS LABEL PROGRAM [ARG...] [--and LABEL PROGRAM [ARG...]]...\n");
        return 2;
    }
    // One run each first, uncounted: the files it reads are then in the page cache for every run.
    for (Program& program : programs) {
        runOnce(program, false);
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            runOnce(program, true);
        }
    }
    bool allRan = true;
    for (const Program& program : programs) {
        std::printf("%s runs %zu wall_ms %.1f %.1f %.1f cpu_ms %.1f peak_kb %ld\n", program.label.c_str(),
                    program.wallMs.count(), program.wallMs.median(), program.wallMs.percentile(0.0),
                    program.wallMs.max(), program.cpuMs.median(), program.peakKb);
        if (program.failures > 0) {
            std::printf("%s failed %d times\n", program.label.c_str(), program.failures);
            allRan = false;
        }
    }
    return allRan ? 0 : 1;
}
