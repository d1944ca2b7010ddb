// A private working folder whose ./data shows the game's data through links, with a records folder
// of its own: the measured programs read the real content, and no run touches the player's records.
#pragma once

#include <string>

class BenchDataDir {
public:
    // Makes the folder and enters it; `dataDir` is the game data to show (made absolute here).
    explicit BenchDataDir(const std::string& dataDir);
    ~BenchDataDir();
    BenchDataDir(const BenchDataDir&) = delete;
    BenchDataDir& operator=(const BenchDataDir&) = delete;

    // False when the data folder has no maps: the measurements would show an empty game.
    bool ready() const { return hasMaps; }
    // ready(), saying on standard error what is missing when it is not.
    bool readyOrSay() const;

private:
    std::string source;
    std::string root;
    std::string previousDir;
    bool hasMaps = false;
};
