// Where the game finds its pictures and clips and keeps its high-score table.
// Started from its source tree, the game works in the working directory as it
// always has; installed, it reads its data beside its own executable and keeps
// the table in the player's data folder, so it runs from any folder.
#pragma once

#include <string>

// What the rules look at, gathered from the running process by findGameFiles.
struct PathFacts {
    bool texturesHere = false;  // the working directory holds a block texture
    bool installed = false;     // the program's data lies beside it, installed
    std::string executable;     // the program's own path, "" when unknown
    std::string dataOverride;   // TUMBLEWELL_DATA_DIR, "" when unset
    std::string dataHome;       // XDG_DATA_HOME, "" when unset
    std::string configHome;     // XDG_CONFIG_HOME, "" when unset
    std::string home;           // the player's home folder, "" when unknown
};

// Folders as prefixes of file names: "" is the working directory, anything
// else ends in '/'.
struct GamePaths {
    std::string data;    // the textures, and data/*.wav below it
    std::string scores;  // "scores.dat" and what its saves need beside it
    // The settings file, "" for none: a game run from its source tree keeps
    // nothing outside it.
    std::string settings;
};

// The rules. A program that is not installed (one in its build tree), started
// from a working directory with a texture in it, plays from that source tree:
// both folders are the working directory, and no settings are kept. An
// installed program is the installed game wherever it is started: the data
// comes from
// TUMBLEWELL_DATA_DIR when set, else from ../share/tumblewell beside the
// executable's folder, the table lives in $XDG_DATA_HOME/tumblewell (an
// absolute XDG_DATA_HOME only), else in ~/.local/share/tumblewell, and the
// settings in $XDG_CONFIG_HOME/tumblewell/settings, else in
// ~/.config/tumblewell/settings.
GamePaths choosePaths(const PathFacts &facts);

// Makes `paths` the game's folders.
void useGamePaths(const GamePaths &paths);

// The folders in use (all "" until useGamePaths: the working directory).
const GamePaths &gamePaths();

// `name` (a texture or "data/<clip>.wav") in the data folder.
std::string dataFile(const char *name);
