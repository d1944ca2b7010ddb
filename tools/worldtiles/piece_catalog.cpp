// Line format: "formation <n> <material> <open sides or ->" followed by its mask rows, or
// "tile <n> <material> fill|cap". '#' starts a comment; blank lines end a mask.
#include "piece_catalog.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

bool isMaskRow(const std::string& line)
{
    return !line.empty() && line.find_first_not_of("#.") == std::string::npos;
}

std::string trimmed(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    const size_t last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

}  // namespace

PieceCatalog PieceCatalog::load(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot read piece catalogue " + path);
    }
    std::stringstream text;
    text << file.rdbuf();
    return parse(text.str());
}

PieceCatalog PieceCatalog::parse(const std::string& text)
{
    PieceCatalog catalog;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    PieceRecipe* current = nullptr;
    auto fail = [&](const std::string& why) {
        throw std::runtime_error("piece catalogue line " + std::to_string(lineNumber) + ": " + why);
    };
    while (std::getline(lines, line)) {
        ++lineNumber;
        line = trimmed(line);
        // Mask rows start with '#' too, so they are recognised before comments.
        if (current != nullptr && isMaskRow(line)) {
            current->cells.push_back(line);
            continue;
        }
        current = nullptr;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream words(line);
        std::string kind;
        int number = 0;
        std::string material;
        std::string option;
        if (!(words >> kind >> number >> material >> option)) {
            fail("expected \"formation|tile <number> <material> <option>\"");
        }
        if (catalog.recipes.count(number) != 0) {
            fail("piece " + std::to_string(number) + " appears twice");
        }
        PieceRecipe recipe;
        recipe.material = material;
        if (kind == "formation") {
            recipe.openSides = option == "-" ? "" : option;
        } else if (kind == "tile") {
            if (option != "fill" && option != "cap") {
                fail("a tile is \"fill\" or \"cap\", not \"" + option + "\"");
            }
            recipe.tile = true;
            recipe.capped = option == "cap";
        } else {
            fail("unknown entry \"" + kind + "\"");
        }
        current = &catalog.recipes.emplace(number, recipe).first->second;
        if (!recipe.tile) {
            continue;
        }
        current = nullptr;
    }
    for (const auto& [number, recipe] : catalog.recipes) {
        if (!recipe.tile && recipe.cells.empty()) {
            throw std::runtime_error("piece catalogue: formation " + std::to_string(number) + " has no cell rows");
        }
    }
    return catalog;
}

const PieceRecipe& PieceCatalog::recipe(int number) const
{
    const auto found = recipes.find(number);
    if (found == recipes.end()) {
        throw std::runtime_error("piece catalogue has no piece " + std::to_string(number));
    }
    return found->second;
}
