#include "play_choice.hpp"

#include <cstdlib>
#include <cstring>

bool PlayChoice::take(int argc, char** argv, int& i)
{
    const bool hasValue = i + 1 < argc;
    const char* option = argv[i];
    Scene named = Scene::None;
    if (std::strcmp(option, "--data") == 0 && hasValue) {
        data = argv[++i];
    } else if (std::strcmp(option, "--hard") == 0) {
        hard = true;
    } else if (std::strcmp(option, "--level") == 0 && hasValue) {
        level = std::atoi(argv[++i]);
        named = Scene::Level;
    } else if (std::strcmp(option, "--menu") == 0) {
        named = Scene::Menu;
    } else if (std::strcmp(option, "--idle") == 0) {
        named = Scene::Idle;
    } else {
        return false;
    }
    if (named == Scene::None) {
        return true;
    }
    const bool first = scene == Scene::None;
    scene = named;
    return first;
}
