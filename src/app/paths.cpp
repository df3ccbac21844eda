#include "app/paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "scores/score_file.h"

const char *kScoreFileName = "scores.dat";

namespace {

GamePaths chosen;
std::string scoreFile;  // the string behind kScoreFileName

const char *const kTextures[] = {"red.ppm", "green.ppm", "blue.ppm", "lightblue.ppm"};

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

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

GamePaths choosePaths(const PathFacts &facts) {
    GamePaths paths;
    if (facts.texturesHere) return paths;

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

void findGameFiles() {
    PathFacts facts;
    for (const char *texture : kTextures) facts.texturesHere |= access(texture, F_OK) == 0;
    char exe[4096];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof exe)
        facts.executable.assign(exe, static_cast<std::size_t>(length));
    facts.dataOverride = environment("TUMBLEWELL_DATA_DIR");
    facts.dataHome = environment("XDG_DATA_HOME");
    facts.configHome = environment("XDG_CONFIG_HOME");
    facts.home = environment("HOME");
    if (facts.home.empty()) {
        const passwd *user = getpwuid(getuid());
        if (user != nullptr && user->pw_dir != nullptr) facts.home = user->pw_dir;
    }

    chosen = choosePaths(facts);
    // Shown by --help and in messages, so without the detour through games/..
    if (char *real = chosen.data.empty() ? nullptr : realpath(chosen.data.c_str(), nullptr)) {
        chosen.data = folder(real);
        std::free(real);
    }
    scoreFile = chosen.scores + "scores.dat";
    kScoreFileName = scoreFile.c_str();
}

const GamePaths &gamePaths() { return chosen; }

std::string dataFile(const char *name) { return chosen.data + name; }
