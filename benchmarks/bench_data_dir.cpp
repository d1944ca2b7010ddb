#include "bench_data_dir.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

BenchDataDir::BenchDataDir(const std::string& dataDir) : source(dataDir)
{
    std::error_code error;
    const fs::path shown = fs::absolute(dataDir, error);
    previousDir = fs::current_path(error).string();
    char pattern[] = "/tmp/fezzle-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return;
    }
    root = pattern;
    const fs::path data = fs::path(root) / "data";
    fs::create_directories(data / "dat", error);
    for (const fs::directory_entry& entry : fs::directory_iterator(shown, error)) {
        if (entry.path().filename() != "dat") {
            fs::create_symlink(entry.path(), data / entry.path().filename(), error);
        }
    }
    hasMaps = fs::exists(data / "maps" / "map0.mp", error);
    fs::current_path(root, error);
}

BenchDataDir::~BenchDataDir()
{
    std::error_code error;
    fs::current_path(previousDir, error);
    if (!root.empty()) {
        // Links are removed, never followed.
        fs::remove_all(root, error);
    }
}

bool BenchDataDir::readyOrSay() const
{
    if (!hasMaps) {
        std::fprintf(stderr, "no maps under %s/maps: build the game data first\n", source.c_str());
    }
    return hasMaps;
}
