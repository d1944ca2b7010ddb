// Every file and folder the game opens, relative to the working folder: the shipped data under
// ./data, the player's own under ./data/dat, and the log beside them.
#pragma once

struct GamePaths {
    static constexpr const char* log = "gamelog.txt";
    // Records and settings, the player's own.
    static constexpr const char* saveFile = "./data/dat/game.dat";
    // The best run of a level index (%d) and mode (%s, easy or hard), the player's own.
    static constexpr const char* bestRunFormat = "./data/dat/replays/map%d-%s.rpl";
    // The shipped run of a level index and mode.
    static constexpr const char* demoFormat = "./data/demos/map%d-%s.rpl";
    // The player's choices the save file has no room for.
    static constexpr const char* optionsFile = "./data/dat/options.dat";
    // Level index L is formatted in.
    static constexpr const char* levelFormat = "./data/maps/map%i.mp";
    // Medal times for every level and mode, made by the build beside the maps.
    static constexpr const char* medalFile = "./data/medals.txt";
    // The eleven sound files are named inside.
    static constexpr const char* soundFolder = "./data/sound/";
    static constexpr const char* icon = "./data/icon.png";
    static constexpr const char* loadingPicture = "./data/load.png";
    static constexpr const char* glyphSheet = "./data/font.png";
    static constexpr const char* flare = "./data/flare_white.png";
    // A numbered picture family (kuva, jee, foreground, parallax, collision) and its file number.
    static constexpr const char* pictureFormat = "./data/%s%i.png";
    static constexpr const char* effectSheetFormat = "./data/effect%i.png";
};
