// Tumblewell: SDL first, then the sound device, the windows, and the GLUT loop.
#include <GL/glut.h>
#include <SDL/SDL.h>

#include <cstdlib>

#include "app/options.h"
#include "app/startup.h"

int main(int argc, char **argv) {
    takeColourAidOption(&argc, argv);  // the rest of the command line is GLUT's
    // Linux has no SDL main wrapper, so SDL is brought up here, with no
    // subsystem yet; the audio device opens its own.
    if (SDL_Init(SDL_INIT_NOPARACHUTE) < 0) return 1;
    std::atexit(SDL_Quit);

    openAudio();
    createWindows(&argc, argv);
    glutMainLoop();  // never returns: the game ends in quitGame
    return 0;
}
