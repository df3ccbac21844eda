#include "platform/posix/paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/paths.h"

namespace {

const char *const kTextures[] = {"red.ppm", "green.ppm", "blue.ppm", "lightblue.ppm"};

std::string environment(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

void findGameFiles() {
    PathFacts facts;
    for (const char *texture : kTextures) facts.texturesHere |= access(texture, F_OK) == 0;
    char exe[4096];
    const ssize_t length = readlink("/proc/self/exe", exe, sizeof exe);
    if (length > 0 && static_cast<std::size_t>(length) < sizeof exe)
        facts.executable.assign(exe, static_cast<std::size_t>(length));
    facts.dataOverride = environment("TUMBLEWELL_DATA_DIR");
    // Installed: told where its data is, or finding it where installing puts it.
    const std::size_t slash = facts.executable.rfind('/');
    facts.installed =
        !facts.dataOverride.empty() ||
        (slash != std::string::npos &&
         access((facts.executable.substr(0, slash) + "/../share/tumblewell").c_str(), F_OK) == 0);
    facts.dataHome = environment("XDG_DATA_HOME");
    facts.configHome = environment("XDG_CONFIG_HOME");
    facts.home = environment("HOME");
    if (facts.home.empty()) {
        const passwd *user = getpwuid(getuid());
        if (user != nullptr && user->pw_dir != nullptr) facts.home = user->pw_dir;
    }

    GamePaths paths = choosePaths(facts);
    // Shown by --help and in messages, so without the detour through games/..
    if (char *real = paths.data.empty() ? nullptr : realpath(paths.data.c_str(), nullptr)) {
        paths.data = std::string(real) + "/";
        std::free(real);
    }
    useGamePaths(paths);
}
