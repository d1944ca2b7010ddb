#include "level_source.hpp"

#include <cctype>
#include <climits>
#include <cstdint>
#include <optional>
#include <sstream>
#include <tuple>

#include "level_error.hpp"
#include "tile_material.hpp"

namespace {

constexpr char commentMark = ';';
constexpr char freeCell = '.';
constexpr char solidCell = '#';

struct Token {
    std::string text;
    int column = 0;  // 1-based
};

// A value that the map grid can only show as '#', noted until the map has been read.
struct SolidCellValue {
    int column = 0;
    int row = 0;
    std::int8_t terrain = 0;
    std::int8_t object = 0;
    int line = 0;
    int textColumn = 0;
};

class Parser {
public:
    Parser(const std::string& text, const std::string& file) : input(text) { source.file = file; }

    LevelSource run()
    {
        std::string text;
        while (nextLine(text)) {
            const std::vector<Token> tokens = split(text);
            if (tokens.empty() || tokens[0].text[0] == commentMark) {
                continue;
            }
            statement(tokens, text);
        }
        if (source.rowLines[0] == 0) {
            fail(lineNumber + 1, 1,
                 "the level has no map: a line \"map\" followed by " + std::to_string(MapData::rows) + " rows");
        }
        if (!backgroundSeen) {
            fail(1, 1, "the level has no \"background\" line");
        }
        for (const SolidCellValue& value : solidValues) {
            applySolidValue(value);
        }
        return source;
    }

private:
    bool nextLine(std::string& text)
    {
        if (!std::getline(input, text)) {
            return false;
        }
        ++lineNumber;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        return true;
    }

    [[noreturn]] void fail(int line, int column, const std::string& message) const
    {
        throw LevelError(source.file, line, column, message);
    }
    [[noreturn]] void fail(const Token& token, const std::string& message) const
    {
        fail(lineNumber, token.column, message);
    }

    static std::vector<Token> split(const std::string& text)
    {
        std::vector<Token> tokens;
        std::size_t i = 0;
        while (i < text.size()) {
            if (std::isspace(static_cast<unsigned char>(text[i]))) {
                ++i;
                continue;
            }
            const std::size_t start = i;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) {
                ++i;
            }
            tokens.push_back({text.substr(start, i - start), static_cast<int>(start) + 1});
        }
        return tokens;
    }

    void expectCount(const std::vector<Token>& tokens, std::size_t least, std::size_t most, const char* usage) const
    {
        if (tokens.size() < least) {
            const Token& last = tokens.back();
            fail(lineNumber, last.column + static_cast<int>(last.text.size()), std::string("missing words: ") + usage);
        }
        if (tokens.size() > most) {
            fail(tokens[most], std::string("unexpected \"") + tokens[most].text + "\": " + usage);
        }
    }

    // A whole decimal number within [low, high], taken from text starting at `column`.
    long number(const std::string& text, int column, long low, long high, const char* what) const
    {
        std::size_t used = 0;
        long value = 0;
        bool good = !text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-');
        if (good) {
            try {
                value = std::stol(text, &used);
            } catch (const std::exception&) {
                good = false;
            }
        }
        if (!good || used != text.size()) {
            fail(lineNumber, column, std::string(what) + " \"" + text + "\" is not a whole number");
        }
        if (value < low || value > high) {
            fail(lineNumber, column,
                 std::string(what) + " " + text + " is not " + std::to_string(low) + " to " + std::to_string(high));
        }
        return value;
    }
    long number(const Token& token, long low, long high, const char* what) const
    {
        return number(token.text, token.column, low, high, what);
    }

    // "column,row"
    std::pair<int, int> cell(const Token& token) const
    {
        const std::size_t comma = token.text.find(',');
        if (comma == std::string::npos) {
            fail(token, "\"" + token.text + "\" is not a cell: write column,row");
        }
        const int column =
            static_cast<int>(number(token.text.substr(0, comma), token.column, 0, MapData::columns - 1, "column"));
        const int row = static_cast<int>(number(
            token.text.substr(comma + 1), token.column + static_cast<int>(comma) + 1, 0, MapData::rows - 1, "row"));
        return {column, row};
    }

    void expectWord(const Token& token, const char* word) const
    {
        if (token.text != word) {
            fail(token, std::string("expected \"") + word + "\", found \"" + token.text + "\"");
        }
    }

    void statement(const std::vector<Token>& tokens, const std::string& text)
    {
        const std::string& keyword = tokens[0].text;
        if (keyword == "version") {
            expectCount(tokens, 2, 2, "version <number>");
            once(versionSeen, tokens[0]);
            source.map.version = static_cast<std::int32_t>(number(tokens[1], INT32_MIN, INT32_MAX, "version"));
        } else if (keyword == "background") {
            expectCount(tokens, 2, 2, "background <style 0 to 4>");
            once(backgroundSeen, tokens[0]);
            source.map.backgroundStyle =
                static_cast<std::int8_t>(number(tokens[1], 0, MapData::backgroundStyleCount - 1, "background style"));
        } else if (keyword == "name") {
            source.name = text.substr(static_cast<std::size_t>(tokens[0].column + 3));
            const std::size_t start = source.name.find_first_not_of(" \t");
            source.name = start == std::string::npos ? "" : source.name.substr(start);
        } else if (keyword == "tiles") {
            tileRule(tokens);
        } else if (keyword == "terrain" || keyword == "object") {
            solidValue(tokens);
        } else if (keyword == "map") {
            expectCount(tokens, 1, 1, "map");
            if (source.rowLines[0] != 0) {
                fail(tokens[0], "a second map");
            }
            readMap();
        } else if (const PictureLayer* layer = pictureLayer(keyword)) {
            placement(tokens, *layer);
        } else {
            fail(tokens[0], "unknown line \"" + keyword +
                                "\" (expected version, background, name, foreground, collision, parallax, "
                                "tiles, terrain, object or map)");
        }
    }

    void once(bool& seen, const Token& token) const
    {
        if (seen) {
            fail(token, "a second \"" + token.text + "\" line");
        }
        seen = true;
    }

    static const PictureLayer* pictureLayer(const std::string& name)
    {
        for (const PictureLayer& layer : pictureLayers) {
            if (name == layer.name) {
                return &layer;
            }
        }
        return nullptr;
    }

    // "<layer> <picture> at <column>,<row> [mirrored]"
    void placement(const std::vector<Token>& tokens, const PictureLayer& layer)
    {
        const std::string usage = std::string(layer.name) + " <picture> at <column>,<row> [mirrored]";
        expectCount(tokens, 4, 5, usage.c_str());
        const int picture = static_cast<int>(number(tokens[1], 1, layer.pictureCount, "picture"));
        expectWord(tokens[2], "at");
        const auto [column, row] = cell(tokens[3]);
        bool mirrored = false;
        if (tokens.size() == 5) {
            expectWord(tokens[4], "mirrored");
            mirrored = true;
        }
        std::int8_t& value = (source.map.*layer.grid)[static_cast<std::size_t>(MapData::cellIndex(column, row))];
        if (value != 0) {
            fail(tokens[3], std::string("cell ") + tokens[3].text + " already holds a " + layer.name + " picture");
        }
        value = static_cast<std::int8_t>(mirrored ? -picture : picture);
        if (layer.grid == &MapData::pieces) {
            source.collisionLines[static_cast<std::size_t>(MapData::cellIndex(column, row))] = lineNumber;
        }
    }

    // "tiles <material> [<first>-<last>]"
    void tileRule(const std::vector<Token>& tokens)
    {
        expectCount(tokens, 2, 3, "tiles <material> [<first column>-<last column>]");
        TileRule rule;
        rule.material = tokens[1].text;
        rule.line = lineNumber;
        if (findTileMaterial(rule.material) == nullptr) {
            std::string names;
            for (const TileMaterial& material : tileMaterials) {
                names += names.empty() ? material.name : std::string(", ") + material.name;
            }
            fail(tokens[1], "no tiles of material \"" + rule.material + "\" (there are " + names + ")");
        }
        if (tokens.size() == 3) {
            const Token& range = tokens[2];
            const std::size_t dash = range.text.find('-', 1);
            if (dash == std::string::npos) {
                fail(range, "\"" + range.text + "\" is not a column range: write first-last");
            }
            rule.firstColumn =
                static_cast<int>(number(range.text.substr(0, dash), range.column, 0, MapData::columns - 1, "column"));
            rule.lastColumn =
                static_cast<int>(number(range.text.substr(dash + 1), range.column + static_cast<int>(dash) + 1,
                                        rule.firstColumn, MapData::columns - 1, "last column"));
        }
        source.tileRules.push_back(rule);
    }

    // "terrain <value> at <column>,<row>" and "object <letter> at <column>,<row>": what a '#' cell
    // holds besides plain solid terrain.
    void solidValue(const std::vector<Token>& tokens)
    {
        const bool terrain = tokens[0].text == "terrain";
        expectCount(tokens, 4, 4, terrain ? "terrain <value> at <column>,<row>" : "object <letter> at <column>,<row>");
        SolidCellValue value;
        if (terrain) {
            value.terrain = static_cast<std::int8_t>(number(tokens[1], INT8_MIN, INT8_MAX, "terrain value"));
            if (value.terrain == 0) {
                fail(tokens[1], "terrain value 0 is a free cell: draw it as '.' in the map");
            }
        } else {
            value.object = tokens[1].text.size() == 1 ? objectValue(tokens[1].text[0]) : 0;
            if (value.object == 0) {
                fail(tokens[1], "\"" + tokens[1].text + "\" is no object letter (" + legend() + ")");
            }
        }
        expectWord(tokens[2], "at");
        std::tie(value.column, value.row) = cell(tokens[3]);
        value.line = lineNumber;
        value.textColumn = tokens[3].column;
        solidValues.push_back(value);
    }

    void applySolidValue(const SolidCellValue& value)
    {
        const auto index = static_cast<std::size_t>(MapData::cellIndex(value.column, value.row));
        if (source.map.terrain[index] == 0) {
            fail(value.line, value.textColumn, "the map shows this cell free: it must be '#'");
        }
        if (value.terrain != 0) {
            source.map.terrain[index] = value.terrain;
        } else if (source.map.objects[index] != 0) {
            fail(value.line, value.textColumn, "a second object in this cell");
        } else {
            source.map.objects[index] = value.object;
        }
    }

    static std::string legend()
    {
        std::string text;
        for (const ObjectKind& kind : objectKinds) {
            text += (text.empty() ? "" : ", ") + std::string(1, kind.letter) + " " + kind.name;
        }
        return text + "; lower case for a negative value";
    }

    void readMap()
    {
        int row = 0;
        std::string text;
        while (row < MapData::rows) {
            if (!nextLine(text)) {
                fail(lineNumber + 1, 1,
                     "the map ends after " + std::to_string(row) + " of its " + std::to_string(MapData::rows) +
                         " rows");
            }
            if (!text.empty() && text[0] == commentMark) {
                continue;
            }
            source.rowLines[static_cast<std::size_t>(row)] = lineNumber;
            mapRow(text, row);
            ++row;
        }
    }

    void mapRow(const std::string& text, int row)
    {
        const int length = static_cast<int>(text.size());
        if (length != MapData::columns) {
            fail(lineNumber, std::min(length, MapData::columns) + 1,
                 "map row " + std::to_string(row) + " has " + std::to_string(length) + " cells, a row has " +
                     std::to_string(MapData::columns));
        }
        for (int column = 0; column < MapData::columns; ++column) {
            const char letter = text[static_cast<std::size_t>(column)];
            const auto index = static_cast<std::size_t>(MapData::cellIndex(column, row));
            if (letter == solidCell) {
                source.map.terrain[index] = 1;
            } else if (letter != freeCell) {
                const std::int8_t object = objectValue(letter);
                if (object == 0) {
                    fail(lineNumber, column + 1,
                         std::string("'") + letter + "' is no map cell ('.' free, '#' solid, " + legend() + ")");
                }
                source.map.objects[index] = object;
            }
        }
    }

    std::istringstream input;
    LevelSource source;
    int lineNumber = 0;
    bool versionSeen = false;
    bool backgroundSeen = false;
    std::vector<SolidCellValue> solidValues;
};

}  // namespace

LevelSource LevelSourceParser::parse(const std::string& text, const std::string& file)
{
    return Parser(text, file).run();
}
