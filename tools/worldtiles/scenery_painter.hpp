// Far scenery (parallax pieces) and near scenery (foreground pieces): mostly transparent pictures.
#pragma once

#include "random_stream.hpp"
#include "svg_document.hpp"

class SceneryPainter {
public:
    // Far scenery is soft and see-through, without outlines, so it never reads as terrain.
    static void paintParallax(int number, SvgDocument& document, RandomStream& random);
    // Near scenery hugs an edge of its box and stays sparse, since it is drawn over the hat.
    static void paintForeground(int number, SvgDocument& document, RandomStream& random);

private:
    static void hangingVines(SvgDocument& document, RandomStream& random, int count, double reach);
    static void grassTuft(SvgDocument& document, RandomStream& random);
    static void fallingLeaves(SvgDocument& document, RandomStream& random);
    static void towelRail(SvgDocument& document);
    static void steamWisps(SvgDocument& document, RandomStream& random, double opacity, bool fromBelow);
    static void glowThreads(SvgDocument& document, RandomStream& random);
    static void glowMushrooms(SvgDocument& document, RandomStream& random);
    static void hangingChains(SvgDocument& document);
    static void washingLine(SvgDocument& document);
    static void lanternString(SvgDocument& document);
};
