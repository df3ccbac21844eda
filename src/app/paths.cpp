#include "app/paths.h"

namespace {

GamePaths chosen;

std::string folder(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

// A base folder of the player's, by the base directory rules: the variable's
// value when it is absolute (a relative one is invalid and ignored), else
// `fallback` in the home folder; "" when neither is known.
std::string baseFolder(const std::string &variable, const std::string &home, const char *fallback) {
    if (!variable.empty() && variable[0] == '/') return folder(variable);
    return home.empty() ? "" : folder(home) + fallback;
}

}  // namespace

GamePaths choosePaths(const PathFacts &facts) {
    GamePaths paths;
    if (facts.texturesHere && !facts.installed) return paths;

    if (!facts.dataOverride.empty()) {
        paths.data = folder(facts.dataOverride);
    } else {
        const std::size_t slash = facts.executable.rfind('/');
        if (slash != std::string::npos)
            paths.data = facts.executable.substr(0, slash + 1) + "../share/tumblewell/";
    }

    const std::string data = baseFolder(facts.dataHome, facts.home, ".local/share/");
    if (!data.empty()) paths.scores = data + "tumblewell/";
    const std::string config = baseFolder(facts.configHome, facts.home, ".config/");
    if (!config.empty()) paths.settings = config + "tumblewell/settings";
    return paths;
}

void useGamePaths(const GamePaths &paths) { chosen = paths; }

const GamePaths &gamePaths() { return chosen; }

std::string dataFile(const char *name) { return chosen.data + name; }
