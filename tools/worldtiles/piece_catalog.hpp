// The terrain pieces as the catalogue file describes them: material, joined sides and solid cells.
#pragma once

#include <map>
#include <string>
#include <vector>

struct PieceRecipe {
    std::string material;
    // Formations: sides where the shape runs on into a neighbour ("" for none).
    std::string openSides;
    // Formations: rows of '#' and '.', one character per 32-pixel cell.
    std::vector<std::string> cells;
    // Square tiles fill the whole picture and repeat seamlessly; a capped tile has a surface on top.
    bool tile = false;
    bool capped = false;
};

class PieceCatalog {
public:
    // Reads the catalogue; throws std::runtime_error naming the line of the first fault.
    static PieceCatalog load(const std::string& path);
    static PieceCatalog parse(const std::string& text);

    // Throws when the number has no recipe.
    const PieceRecipe& recipe(int number) const;

private:
    std::map<int, PieceRecipe> recipes;
};
