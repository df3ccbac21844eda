// Tumblewell: its own options, then SDL, the sound device, the windows, and
// the GLUT loop.
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/paths.h"
#include "game/score_keeping.h"
#include "game/settings.h"
#include "platform/desktop/startup.h"
#include "platform/desktop/window_layer.h"
#include "platform/posix/paths.h"

int main(int argc, char **argv) {
    findGameFiles();
    scoreFilePath = gamePaths().scores + "scores.dat";
    loadSettings(gamePaths().settings);  // the player's earlier choices; options win over them
    // The command line comes next: a mistake in it must leave no trace.
    const int status = readCommandLine(&argc, argv, stdout, stderr);
    if (status != kStartGame) return status;

    // Linux has no SDL main wrapper, so SDL is brought up here, with no
    // subsystem yet; the audio device opens its own.
    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) return 1;
    std::atexit(SDL_Quit);

    checkDisplay(argc, argv);
    setUpHeap();
    openAudio();
    createWindows(&argc, argv);
    runMainLoop();  // never returns: the game ends in quitGame
}
