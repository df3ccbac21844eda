#include "app/options.h"

#include <cstring>

#include "game/game_state.h"

void takeColourAidOption(int *argc, char **argv) {
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
