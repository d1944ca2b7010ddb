// One SVG picture: its pixel size, the drawing units of its view box, definitions and art.
#pragma once

#include "svg_element.hpp"

#include <string>

class SvgDocument {
public:
    // pixelWidth x pixelHeight is the rendered size; the art is drawn in viewWidth x viewHeight units
    // and stretched to fill it (terrain is drawn in level pixels, whatever the image size).
    SvgDocument(int pixelWidth, int pixelHeight, double viewWidth, double viewHeight);

    // From now on repeat each added element at the eight neighbouring offsets of the view, so that a
    // shape drawn across an edge comes back in at the opposite edge and the picture tiles without a
    // seam. Each element is repeated at once, so later elements still lie over earlier ones there.
    void setWrap(bool wrapped) { wrap = wrapped; }

    void define(const SvgElement& element);
    void add(const SvgElement& element);

    double width() const { return viewWidth; }
    double height() const { return viewHeight; }
    std::string str() const;

private:
    int pixelWidth;
    int pixelHeight;
    double viewWidth;
    double viewHeight;
    bool wrap = false;
    int wrappedCount = 0;
    std::string definitions;
    std::string art;
};
