// The options shared by the programs that play a scene: where the data is, and which scene.
//   --data DIR   --level N [--hard]   --menu   --idle (where a program offers it)
#pragma once

#include <string>

struct PlayChoice {
    enum class Scene { None, Level, Menu, Idle };

    // Takes the option at argv[i] (and its value, moving i on) when it is one of these; false for
    // any other, or when a second scene is named.
    bool take(int argc, char** argv, int& i);

    std::string data = "data";
    Scene scene = Scene::None;
    int level = -1;
    bool hard = false;
};
