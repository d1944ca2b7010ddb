// Every world picture by file name: its pixel size, the size it is drawn at, and how it is painted.
#pragma once

#include "piece_catalog.hpp"
#include "svg_document.hpp"

#include <string>

class PictureCatalog {
public:
    explicit PictureCatalog(const PieceCatalog& catalog) : pieces(catalog) {}

    // name is a file name without ".png": jee1-5, parallax1-5, foreground1-12, collision1-50.
    // Throws std::runtime_error for an unknown name or a piece that does not fit its picture.
    SvgDocument draw(const std::string& name) const;

private:
    SvgDocument drawCollision(int number, const std::string& name) const;
    const PieceCatalog& pieces;
};
