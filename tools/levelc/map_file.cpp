#include "map_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "level_error.hpp"
#include "records/crash_safe_write.hpp"

namespace {

// The grids in file order.
std::array<MapData::Grid MapData::*, 5> gridOrder()
{
    return {&MapData::terrain, &MapData::foreground, &MapData::pieces, &MapData::parallax, &MapData::objects};
}

std::string cellText(int index)
{
    return "column " + std::to_string(index / MapData::rows) + ", row " + std::to_string(index % MapData::rows);
}

}  // namespace

std::vector<std::uint8_t> MapFile::encode(const MapData& map)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(MapData::fileBytes);
    const auto version = static_cast<std::uint32_t>(map.version);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(version >> shift));
    }
    for (auto grid : gridOrder()) {
        for (std::int8_t value : map.*grid) {
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
    }
    bytes.push_back(static_cast<std::uint8_t>(map.backgroundStyle));
    return bytes;
}

MapData MapFile::decode(const std::vector<std::uint8_t>& bytes, const std::string& name)
{
    if (bytes.size() != static_cast<std::size_t>(MapData::fileBytes)) {
        throw LevelError(name, "holds " + std::to_string(bytes.size()) + " bytes, a map file holds exactly " +
                                   std::to_string(MapData::fileBytes));
    }
    MapData map;
    std::uint32_t version = 0;
    for (int i = 0; i < 4; ++i) {
        version |= static_cast<std::uint32_t>(bytes[static_cast<std::size_t>(i)]) << (8 * i);
    }
    map.version = static_cast<std::int32_t>(version);
    std::size_t at = 4;
    for (auto grid : gridOrder()) {
        for (std::int8_t& value : map.*grid) {
            value = static_cast<std::int8_t>(bytes[at++]);
        }
    }
    map.backgroundStyle = static_cast<std::int8_t>(bytes[at]);
    validate(map, name);
    return map;
}

void MapFile::validate(const MapData& map, const std::string& name)
{
    if (map.backgroundStyle < 0 || map.backgroundStyle >= MapData::backgroundStyleCount) {
        throw LevelError(name, "background style " + std::to_string(map.backgroundStyle) + " is not 0 to " +
                                   std::to_string(MapData::backgroundStyleCount - 1));
    }
    for (const PictureLayer& layer : pictureLayers) {
        const MapData::Grid& grid = map.*layer.grid;
        for (int i = 0; i < MapData::gridCells; ++i) {
            const int number = grid[static_cast<std::size_t>(i)] < 0 ? -grid[static_cast<std::size_t>(i)]
                                                                     : grid[static_cast<std::size_t>(i)];
            if (number > layer.pictureCount) {
                throw LevelError(name, cellText(i) + " of the " + layer.name + " grid: picture " +
                                           std::to_string(number) + " is past the " +
                                           std::to_string(layer.pictureCount) + " " + layer.name + " pictures");
            }
        }
    }
    for (int i = 0; i < MapData::gridCells; ++i) {
        const std::int8_t value = map.objects[static_cast<std::size_t>(i)];
        if (value != 0 && objectLetter(value) == 0) {
            throw LevelError(name, cellText(i) + " of the object grid: value " + std::to_string(value) +
                                       " is no object kind (1 to " + std::to_string(objectKindCount) + ", or negated)");
        }
    }
}

MapData MapFile::read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw LevelError(path, std::string("cannot be opened: ") + std::strerror(errno));
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw LevelError(path, "cannot be read");
    }
    return decode(bytes, path);
}

void MapFile::write(const std::string& path, const MapData& map)
{
    validate(map, path);
    const std::vector<std::uint8_t> bytes = encode(map);
    writeFileAtomically(path, std::string(bytes.begin(), bytes.end()));
}

void writeFileAtomically(const std::string& path, const std::string& bytes)
{
    int error = 0;
    if (!writeCrashSafe(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &error)) {
        throw LevelError(path, std::string("cannot be written: ") + std::strerror(error));
    }
}
