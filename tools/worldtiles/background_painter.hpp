// The five level backgrounds: 512x512 tiles that repeat in both directions.
#pragma once

#include "random_stream.hpp"
#include "svg_document.hpp"

class BackgroundPainter {
public:
    // world 1 to 5; the game darkens these hard, so they are painted bright and contrasting.
    static void paint(int world, SvgDocument& document, RandomStream& random);

private:
    static void sunnyHills(SvgDocument& art, RandomStream& random);
    static void giantsBathroom(SvgDocument& art, RandomStream& random);
    static void crystalCave(SvgDocument& art, RandomStream& random);
    static void plumbingUnderworld(SvgDocument& art, RandomStream& random);
    static void sunsetRooftops(SvgDocument& art, RandomStream& random);
};
