#include <GL/glut.h>
#include <SDL/SDL.h>

#include <cstdlib>

#include "app/frame.h"
#include "game/game_state.h"

void quitGame(int status) {
    SDL_CloseAudio();
    std::exit(status);  // SDL_Quit runs among the exit handlers
}

void requestViewRedraw() {
    glutSetWindow(game.viewWindow);
    glutPostRedisplay();
}

void initPanelGL() {
    glClearColor(0, 0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(GL_FLAT);  // the buttons' bevel colours rely on flat shading
    glLoadIdentity();
}

void onReshape(int, int) {
    // The panel keeps its layout, its viewport and its 600-pixel height for the
    // mouse mapping, whatever size the window is given.
}
