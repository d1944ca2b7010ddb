// worldtiles: writes one world picture (background, scenery or terrain) as SVG for rsvg-convert.
// Usage: worldtiles <picture name> <output.svg> [piece catalogue]; terrain pictures need the catalogue.
#include "picture_catalog.hpp"
#include "piece_catalog.hpp"

#include <cstdio>
#include <exception>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: worldtiles <picture name> <output.svg> [piece catalogue]\n");
        return 2;
    }
    try {
        const PieceCatalog pieces = argc == 4 ? PieceCatalog::load(argv[3]) : PieceCatalog();
        const PictureCatalog pictures(pieces);
        const std::string svg = pictures.draw(argv[1]).str();
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        out << svg;
        out.close();
        if (!out) {
            std::fprintf(stderr, "worldtiles: cannot write %s\n", argv[2]);
            return 1;
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "worldtiles: %s\n", failure.what());
        return 1;
    }
    return 0;
}
