// The player's choices that the save file has no room for, kept beside it in ./data/dat/options.dat:
// a version line, then one "name value" line each. A missing file means the defaults; a damaged
// one is refused whole (one log line) and the defaults hold.
#pragma once

#include <string>

#include "engine/game_paths.hpp"

class PlayOptions {
public:
    static constexpr const char* path = GamePaths::optionsFile;
    static constexpr const char* versionLine = "fezzle-options 1";
    static constexpr std::size_t largestFile = 256;

    // The defaults when the file is missing; logs "Failed to load" when it is unreadable or damaged.
    static PlayOptions load();
    // False for anything but options as toText writes them: `options` then keeps the defaults.
    static bool parse(const std::string& text, PlayOptions& options);
    std::string toText() const;
    // Written crash-safe, the folder made when missing; a failure is logged and changes nothing else.
    bool save() const;

    // The best run's ghost flies with the hat.
    bool ghostShown = true;
};
