// Sizes follow the game's piece tables: each picture is drawn stretched over its piece, so it is
// painted in level pixels and rendered at the nearest power-of-two size.
#include "picture_catalog.hpp"

#include "background_painter.hpp"
#include "cell_mask.hpp"
#include "random_stream.hpp"
#include "scenery_painter.hpp"
#include "terrain_painter.hpp"

#include <array>
#include <stdexcept>

namespace {

struct PictureSize {
    int first, last;     // file numbers
    int viewW, viewH;    // drawn size in level pixels
    int pixelW, pixelH;  // picture size
};

constexpr std::array<PictureSize, 7> collisionSizes = {{
    //  first last viewW viewH pixelW pixelH
    {1, 1, 256, 512, 256, 512},
    {2, 2, 512, 64, 512, 64},
    {3, 3, 64, 64, 64, 64},
    {4, 4, 100, 64, 128, 64},
    {5, 30, 400, 400, 512, 512},
    {31, 40, 64, 64, 64, 64},
    {41, 50, 128, 128, 128, 128},
}};

constexpr std::array<PictureSize, 2> parallaxSizes = {{
    {1, 1, 200, 200, 256, 256},
    {2, 5, 400, 400, 512, 512},
}};

constexpr std::array<PictureSize, 2> foregroundSizes = {{
    {1, 2, 256, 256, 256, 256},
    {3, 12, 400, 400, 512, 512},
}};

constexpr int backgroundCount = 5;
constexpr int backgroundPixels = 512;

template <size_t N>
SvgDocument blank(const std::array<PictureSize, N>& sizes, int number, const std::string& name)
{
    for (const PictureSize& size : sizes) {
        if (number >= size.first && number <= size.last) {
            return SvgDocument(size.pixelW, size.pixelH, size.viewW, size.viewH);
        }
    }
    throw std::runtime_error("no world picture called " + name);
}

// The number after a family prefix, or 0 when name is not of that family.
int familyNumber(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() == prefix.size()) {
        return 0;
    }
    const std::string digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 3) {
        return 0;
    }
    return std::stoi(digits);
}

}  // namespace

SvgDocument PictureCatalog::draw(const std::string& name) const
{
    RandomStream random(name);
    if (const int n = familyNumber(name, "jee"); n >= 1 && n <= backgroundCount) {
        SvgDocument document(backgroundPixels, backgroundPixels, backgroundPixels, backgroundPixels);
        BackgroundPainter::paint(n, document, random);
        return document;
    }
    if (const int n = familyNumber(name, "parallax"); n > 0) {
        SvgDocument document = blank(parallaxSizes, n, name);
        SceneryPainter::paintParallax(n, document, random);
        return document;
    }
    if (const int n = familyNumber(name, "foreground"); n > 0) {
        SvgDocument document = blank(foregroundSizes, n, name);
        SceneryPainter::paintForeground(n, document, random);
        return document;
    }
    if (const int n = familyNumber(name, "collision"); n > 0) {
        return drawCollision(n, name);
    }
    throw std::runtime_error("no world picture called " + name);
}

SvgDocument PictureCatalog::drawCollision(int number, const std::string& name) const
{
    SvgDocument document = blank(collisionSizes, number, name);
    const PieceRecipe& recipe = pieces.recipe(number);
    const TerrainMaterial material = TerrainMaterial::fromName(recipe.material);
    RandomStream random(name);
    if (recipe.tile) {
        TerrainPainter::paintTile(document, random, material, recipe.capped);
        return document;
    }
    CellMask mask(recipe.cells);
    mask.setOpenSides(recipe.openSides);
    if (mask.columns() * cellPixels > document.width() || mask.rows() * cellPixels > document.height()) {
        throw std::runtime_error(name + ": its cells do not fit its " + SvgElement::number(document.width()) + "x" +
                                 SvgElement::number(document.height()) + " piece");
    }
    TerrainPainter::paintFormation(document, random, mask, material);
    return document;
}
