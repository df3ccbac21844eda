#include "app/command_line.h"

#include <cstring>

#include "app/paths.h"
#include "game/game_state.h"

namespace {

int printHelp(std::FILE *out);
int printVersion(std::FILE *out);

struct Option {
    const char *name;
    const char *help;
    // The exit status, or -1 to start the game; none for a setting of the
    // game itself, which takeGameOptions takes out of the arguments.
    int (*run)(std::FILE *out);
};

// The options, in the order --help lists them.
const Option kOptions[] = {
    {"--help", "print this help and exit", printHelp},
    {"--version", "print the version and exit", printVersion},
    {"--colour-aid", "start with the colour aid on (key c switches it)", nullptr},
};

struct Control {
    const char *input;
    const char *action;
};

// The controls, as --help and the manual page list them.
const Control kControls[] = {
    {"click a block", "remove its group (two or more joined, one colour)"},
    {"arrow keys", "show, then move, a cursor on the flat grid"},
    {"Space or Enter", "click the block under the cursor"},
    {"New Game (Ctrl+N)", "start again at level 1"},
    {"Sound (m)", "switch sound clips on or off"},
    {"Pause (p)", "pause; press again to resume"},
    {"Speed + / Speed - (+, -)", "shorten / lengthen the tick by 50 ms"},
    {"Left, Top, Right, Bottom", "show that wall in the flat grid (keys s, e, f, d)"},
    {"Scores (h)", "show the high-score table; press again to go back"},
    {"Exit (x)", "show the credits and end; press again to end now"},
    {"c", "switch the colour aid on or off: a shape per colour"},
    {"n", "skip to the end of the level"},
    {"q", "quit at once"},
};

// A folder as --help shows it: the working directory has no prefix.
const char *shown(const std::string &folder) { return folder.empty() ? "./" : folder.c_str(); }

int printHelp(std::FILE *out) {
    std::fputs(
        "Usage: tumblewell [OPTION] [GLUT OPTION]...\n"
        "A puzzle game: clear groups of coloured blocks from the four walls of a\n"
        "tunnel before the rows pushed into its mouth fill it up.\n\nOptions:\n",
        out);
    for (const Option &option : kOptions)
        std::fprintf(out, "  %-26s %s\n", option.name, option.help);
    std::fputs("Other options, such as -display or -geometry, go to GLUT.\n\nControls:\n", out);
    for (const Control &control : kControls)
        std::fprintf(out, "  %-26s %s\n", control.input, control.action);
    const GamePaths &paths = gamePaths();
    std::fprintf(out,
                 "After a game over with a score good enough for the table, type your name\n"
                 "and press Enter.\n\nFiles:\n"
                 "  %s{red,green,blue,lightblue}.ppm\n      the block pictures\n"
                 "  %sdata/*.wav\n      the sound clips\n"
                 "  %sscores.dat\n      the high-score table\n\n"
                 "Environment:\n"
                 "  TUMBLEWELL_DATA_DIR  where the pictures and clips are, instead of\n"
                 "                       ../share/tumblewell beside the program\n"
                 "  XDG_DATA_HOME        the table goes in its tumblewell folder\n"
                 "                       (default ~/.local/share)\n"
                 "Started from a folder that holds the block pictures (its source tree), the\n"
                 "game reads everything from there and keeps scores.dat there too.\n",
                 shown(paths.data), shown(paths.data), shown(paths.scores));
    return 0;
}

int printVersion(std::FILE *out) {
    std::fprintf(out, "tumblewell %s\n", TW_VERSION);
    return 0;
}

}  // namespace

int handleOptions(int argc, char **argv, std::FILE *out) {
    for (int i = 1; i < argc; ++i) {
        for (const Option &option : kOptions) {
            if (option.run && std::strcmp(argv[i], option.name) == 0) return option.run(out);
        }
    }
    return -1;
}

void takeGameOptions(int *argc, char **argv) {
    if (*argc < 1) return;  // not even a program name: nothing to look at
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        if (std::strcmp(argv[i], "--colour-aid") == 0)
            game.colourAid = 1;
        else
            argv[kept++] = argv[i];
    }
    *argc = kept;
    argv[kept] = nullptr;
}
