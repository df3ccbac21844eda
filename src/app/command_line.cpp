#include "app/command_line.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/paths.h"
#include "app/window_size.h"
#include "game/controls.h"
#include "game/game_state.h"

namespace {

int printHelp(const char *value, std::FILE *out, std::FILE *err);
int printVersion(const char *value, std::FILE *out, std::FILE *err);
int startWithColourAid(const char *, std::FILE *, std::FILE *) {
    game.colourAid = 1;
    return kStartGame;
}

int startScaled(const char *value, std::FILE *, std::FILE *err) {
    if (value[0] < '1' || value[0] > '4' || value[1] != '\0') {
        std::fprintf(err,
                     "tumblewell: option '--scale' takes a whole number from 1 to 4, not '%s'\n",
                     value);
        return 2;
    }
    windowChoice.askedScale = value[0] - '0';
    return kStartGame;
}

int startFullScreen(const char *, std::FILE *, std::FILE *) {
    windowChoice.askedFullScreen = true;
    return kStartGame;
}

struct Option {
    const char *names[2];  // its spellings; the second may be missing
    const char *value;     // what --help calls its value, nullptr when it takes none
    const char *help;
    // Carries it out with its value: the exit status, or kStartGame. GLUT's
    // options have none: they stay in the arguments for glutInit.
    int (*run)(const char *value, std::FILE *out, std::FILE *err);
};

// Every option in the order --help lists them: the game's own, then GLUT's. A
// value follows its option as the next argument, or after '=' for the game's
// own options (--name=value).
const Option kOptions[] = {
    {{"-h", "--help"}, nullptr, "print this help and exit", printHelp},
    {{"--version"}, nullptr, "print the version and exit", printVersion},
    {{"--colour-aid", "--color-aid"},
     nullptr,
     "start with the colour aid on (key c switches it)",
     startWithColourAid},
    {{"--scale"}, "N", "start with a window N times 800 by 600 (1 to 4)", startScaled},
    {{"--fullscreen"}, nullptr, "start in full screen (F11 switches it)", startFullScreen},
    {{"-display"}, "NAME", "the X display to open", nullptr},
    {{"-geometry"}, "WxH+X+Y", "the window's size and place", nullptr},
    {{"-iconic"}, nullptr, "start with the window iconified", nullptr},
    {{"-direct"}, nullptr, "insist on direct rendering", nullptr},
    {{"-indirect"}, nullptr, "render through the X server", nullptr},
    {{"-sync"}, nullptr, "talk to the X server synchronously", nullptr},
    {{"-gldebug"}, nullptr, "report OpenGL errors", nullptr},
};

// A folder as --help shows it: the working directory has no prefix.
const char *shown(const std::string &folder) { return folder.empty() ? "./" : folder.c_str(); }

void listOptions(std::FILE *out, bool glut) {
    for (const Option &option : kOptions) {
        if ((option.run == nullptr) != glut) continue;
        std::string names = option.names[0];
        if (option.names[1] != nullptr) names.append(", ").append(option.names[1]);
        if (option.value != nullptr) names.append(" ").append(option.value);
        std::fprintf(out, "  %-28s %s\n", names.c_str(), option.help);
    }
}

int printHelp(const char *, std::FILE *out, std::FILE *) {
    std::fputs(
        "Usage: tumblewell [OPTION]... [GLUT OPTION]...\n"
        "A puzzle game: clear groups of coloured blocks from the four walls of a\n"
        "tunnel before the rows pushed into its mouth fill it up.\n\nOptions:\n",
        out);
    listOptions(out, false);
    std::fputs("GLUT options, passed on to it:\n", out);
    listOptions(out, true);
    std::fputs("\nControls:\n", out);
    for (const ControlHelp &control : kControlsHelp)
        std::fprintf(out, "  %-24s %s\n", control.input, control.action);
    const GamePaths &paths = gamePaths();
    std::fprintf(out,
                 "After a game over with a score good enough for the table, type your name\n"
                 "and press Enter.\n\nFiles:\n"
                 "  %s{red,green,blue,lightblue}.ppm\n      the block pictures\n"
                 "  %sdata/*.wav\n      the sound clips\n"
                 "  %sscores.dat\n      the high-score table\n"
                 "  %s\n      the sound switch, colour aid, scale and full screen, as last set\n\n"
                 "Environment:\n"
                 "  TUMBLEWELL_DATA_DIR  where the pictures and clips are, instead of\n"
                 "                       ../share/tumblewell beside the program\n"
                 "  XDG_DATA_HOME        the table goes in its tumblewell folder\n"
                 "                       (default ~/.local/share)\n"
                 "  XDG_CONFIG_HOME      the settings go in its tumblewell folder\n"
                 "                       (default ~/.config)\n"
                 "The program of the build tree, started from a folder that holds the block\n"
                 "pictures (its source tree), reads everything from there, keeps scores.dat\n"
                 "there too and remembers no settings.\n",
                 shown(paths.data), shown(paths.data), shown(paths.scores),
                 paths.settings.empty() ? "(no settings file)" : paths.settings.c_str());
    return 0;
}

int printVersion(const char *, std::FILE *out, std::FILE *) {
    std::fprintf(out, "tumblewell %s\n", TW_VERSION);
    return 0;
}

// The option spelled as the first `length` characters of `arg`, or nullptr.
const Option *findOption(const char *arg, std::size_t length) {
    for (const Option &option : kOptions)
        for (const char *name : option.names)
            if (name != nullptr && std::strlen(name) == length &&
                std::strncmp(name, arg, length) == 0)
                return &option;
    return nullptr;
}

int complain(std::FILE *err, const char *before, const char *what, const char *after) {
    std::fprintf(err, "tumblewell: %s'%s'%s\nTry 'tumblewell --help' for the options.\n", before,
                 what, after);
    return 2;
}

}  // namespace

int readCommandLine(int *argc, char **argv, std::FILE *out, std::FILE *err) {
    if (*argc < 1) return kStartGame;  // not even a program name: nothing to read
    std::vector<char *> glut{argv[0]};
    for (int i = 1; i < *argc; ++i) {
        const int at = i;
        const char *arg = argv[i];
        const char *equals = std::strncmp(arg, "--", 2) == 0 ? std::strchr(arg, '=') : nullptr;
        const std::size_t length =
            equals != nullptr ? static_cast<std::size_t>(equals - arg) : std::strlen(arg);
        const Option *option = findOption(arg, length);
        if (option == nullptr)
            return arg[0] == '-' ? complain(err, "unknown option ", arg, "")
                                 : complain(err, "unexpected argument ", arg, "");
        const char *value = equals != nullptr ? equals + 1 : nullptr;
        if (value != nullptr && option->value == nullptr)
            return complain(err, "option ", std::string(arg, length).c_str(), " takes no value");
        if (option->value != nullptr && value == nullptr) {
            if (i + 1 == *argc) return complain(err, "option ", arg, " needs a value");
            value = argv[++i];
        }
        if (option->run == nullptr) {  // GLUT's: kept for glutInit, with its value
            glut.insert(glut.end(), argv + at, argv + i + 1);
            continue;
        }
        const int status = option->run(value, out, err);
        if (status == kStartGame) continue;
        if (std::fflush(out) != 0 || std::ferror(out)) {
            std::fprintf(err, "tumblewell: cannot write the output: %s\n", std::strerror(errno));
            return 1;
        }
        return status;
    }
    std::copy(glut.begin(), glut.end(), argv);
    *argc = static_cast<int>(glut.size());
    argv[*argc] = nullptr;
    return kStartGame;
}
