#include "map_data.hpp"

#include <cctype>

#include "graphics/tables.hpp"

const std::array<PictureLayer, pictureLayerCount> pictureLayers = {{
    {"foreground", foregroundPictureCount, foregroundRects.data(), &MapData::foreground},
    {"collision", collisionPictureCount, collisionRects.data(), &MapData::pieces},
    {"parallax", parallaxPictureCount, parallaxRects.data(), &MapData::parallax},
}};

bool MapData::operator==(const MapData& other) const
{
    return version == other.version && terrain == other.terrain && foreground == other.foreground &&
           pieces == other.pieces && parallax == other.parallax && objects == other.objects &&
           backgroundStyle == other.backgroundStyle;
}

char objectLetter(std::int8_t value)
{
    const int number = value < 0 ? -value : value;
    if (number < 1 || number > objectKindCount) {
        return 0;
    }
    const char letter = objectKinds[static_cast<std::size_t>(number - 1)].letter;
    return value < 0 ? static_cast<char>(std::tolower(static_cast<unsigned char>(letter))) : letter;
}

std::int8_t objectValue(char letter)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (int kind = 0; kind < objectKindCount; ++kind) {
        if (objectKinds[static_cast<std::size_t>(kind)].letter == upper) {
            const auto value = static_cast<std::int8_t>(kind + 1);
            return upper == letter ? value : static_cast<std::int8_t>(-value);
        }
    }
    return 0;
}
