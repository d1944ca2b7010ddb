// fezzle-levelc: level source to map file and back, and the picture coverage of built maps.
//   fezzle-levelc compile <source.level> <out.mp> [--pictures <folder>]
//   fezzle-levelc decompile <map.mp> <out.level>
//   fezzle-levelc coverage --pictures <folder> <map.mp>...
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "coverage_report.hpp"
#include "level_compiler.hpp"
#include "level_error.hpp"
#include "level_source.hpp"
#include "level_source_writer.hpp"
#include "map_file.hpp"

namespace {

constexpr int exitFault = 1;
constexpr int exitUsage = 2;

int usage()
{
    std::fprintf(stderr, "usage: fezzle-levelc compile <source.level> <out.mp> [--pictures <folder>]\n"
                         "       fezzle-levelc decompile <map.mp> <out.level>\n"
                         "       fezzle-levelc coverage --pictures <folder> <map.mp>...\n");
    return exitUsage;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw LevelError(path, std::string("cannot be opened: ") + std::strerror(errno));
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string baseName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Takes "--pictures <folder>" out of the arguments.
std::string takePicturesFolder(std::vector<std::string>& arguments)
{
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "--pictures") {
            const std::string folder = arguments[i + 1];
            arguments.erase(arguments.begin() + static_cast<long>(i), arguments.begin() + static_cast<long>(i) + 2);
            return folder;
        }
    }
    return "";
}

int compile(std::vector<std::string> arguments)
{
    const std::string pictures = takePicturesFolder(arguments);
    if (arguments.size() != 2) {
        return usage();
    }
    const LevelSource source = LevelSourceParser::parse(readText(arguments[0]), arguments[0]);
    const CollisionPictures loaded = pictures.empty() ? CollisionPictures() : CollisionPictures::load(pictures);
    const MapData map = LevelCompiler::compile(source, pictures.empty() ? nullptr : &loaded);
    MapFile::write(arguments[1], map);
    return 0;
}

int decompile(const std::vector<std::string>& arguments)
{
    if (arguments.size() != 2) {
        return usage();
    }
    const MapData map = MapFile::read(arguments[0]);
    writeFileAtomically(arguments[1], LevelSourceWriter::write(map, "decompiled from " + baseName(arguments[0])));
    return 0;
}

int coverage(std::vector<std::string> arguments)
{
    const std::string folder = takePicturesFolder(arguments);
    if (folder.empty() || arguments.empty()) {
        return usage();
    }
    const CollisionPictures pictures = CollisionPictures::load(folder);
    int status = 0;
    for (const std::string& path : arguments) {
        const MapData map = MapFile::read(path);
        const CoverageReport report = CoverageReport::measure(map, CoverageMap(map.pieces, pictures));
        std::printf("%s %s %s\n", baseName(path).c_str(), report.clean() ? "ok" : "FAIL", report.summary().c_str());
        status = report.clean() ? status : exitFault;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    const std::vector<std::string> arguments(argv + 2, argv + argc);
    try {
        if (command == "compile") {
            return compile(arguments);
        }
        if (command == "decompile") {
            return decompile(arguments);
        }
        if (command == "coverage") {
            return coverage(arguments);
        }
    } catch (const std::exception& fault) {
        std::fprintf(stderr, "fezzle-levelc: %s\n", fault.what());
        return exitFault;
    }
    return usage();
}
