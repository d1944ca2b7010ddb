#include "level_source_writer.hpp"

#include <sstream>

namespace {

// A comment line that numbers every tenth column of the map rows below it.
std::string columnRuler()
{
    std::string ruler(MapData::columns, ' ');
    ruler[0] = ';';
    for (int column = 10; column < MapData::columns; column += 10) {
        const std::string label = std::to_string(column);
        if (column + static_cast<int>(label.size()) <= MapData::columns) {
            ruler.replace(static_cast<std::size_t>(column), label.size(), label);
        }
    }
    return ruler;
}

void writePlacements(std::ostringstream& out, const MapData& map)
{
    for (const PictureLayer& layer : pictureLayers) {
        for (int row = 0; row < MapData::rows; ++row) {
            for (int column = 0; column < MapData::columns; ++column) {
                const int value = (map.*layer.grid)[static_cast<std::size_t>(MapData::cellIndex(column, row))];
                if (value != 0) {
                    out << layer.name << ' ' << (value < 0 ? -value : value) << " at " << column << ',' << row
                        << (value < 0 ? " mirrored" : "") << '\n';
                }
            }
        }
    }
}

// Terrain values other than 1, and objects on solid cells, which the map shows as '#'.
void writeSolidValues(std::ostringstream& out, const MapData& map)
{
    for (int row = 0; row < MapData::rows; ++row) {
        for (int column = 0; column < MapData::columns; ++column) {
            const auto index = static_cast<std::size_t>(MapData::cellIndex(column, row));
            if (map.terrain[index] != 0 && map.terrain[index] != 1) {
                out << "terrain " << static_cast<int>(map.terrain[index]) << " at " << column << ',' << row << '\n';
            }
            if (map.terrain[index] != 0 && map.objects[index] != 0) {
                out << "object " << objectLetter(map.objects[index]) << " at " << column << ',' << row << '\n';
            }
        }
    }
}

void writeMap(std::ostringstream& out, const MapData& map)
{
    out << "map\n" << columnRuler() << '\n';
    for (int row = 0; row < MapData::rows; ++row) {
        std::string line(MapData::columns, '.');
        for (int column = 0; column < MapData::columns; ++column) {
            const auto index = static_cast<std::size_t>(MapData::cellIndex(column, row));
            if (map.terrain[index] != 0) {
                line[static_cast<std::size_t>(column)] = '#';
            } else if (map.objects[index] != 0) {
                line[static_cast<std::size_t>(column)] = objectLetter(map.objects[index]);
            }
        }
        out << line << '\n';
    }
}

}  // namespace

std::string LevelSourceWriter::write(const MapData& map, const std::string& heading)
{
    std::ostringstream out;
    out << "; " << heading << '\n';
    out << "version " << map.version << '\n';
    out << "background " << static_cast<int>(map.backgroundStyle) << '\n';
    writePlacements(out, map);
    writeSolidValues(out, map);
    writeMap(out, map);
    return out.str();
}
