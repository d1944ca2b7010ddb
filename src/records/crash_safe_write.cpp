#include "records/crash_safe_write.hpp"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t folderMode = 0755;

void report(int* error)
{
    if (error != nullptr) {
        *error = errno;
    }
}

}  // namespace

std::string crashSafeTemporary(const std::string& path)
{
    return path + ".tmp";
}

bool writeCrashSafe(const std::string& path, const std::uint8_t* bytes, std::size_t size, int* error)
{
    const std::string temporary = crashSafeTemporary(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        // Whatever stands in the temporary file's place is not ours to remove.
        report(error);
        return false;
    }
    errno = 0;
    // An empty file may come with no bytes at all: fwrite must not be handed a null pointer.
    bool ok = size == 0 || std::fwrite(bytes, 1, size, file) == size;
    ok = std::fflush(file) == 0 && ok;
    ok = fsync(fileno(file)) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    // Renaming over the old file is atomic: a reader sees the old bytes or the new ones.
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        report(error);
        std::remove(temporary.c_str());
    }
    return ok;
}

bool makeFoldersFor(const std::string& path)
{
    // "." and the root need nothing.
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (folder != "." && folder != ".." && mkdir(folder.c_str(), folderMode) != 0 && errno != EEXIST) {
            return false;
        }
    }
    return true;
}
