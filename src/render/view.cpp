// PLACEHOLDER until the tunnel is drawn.
#include <GL/glut.h>

#include "game/game_state.h"
#include "render/view.h"

void drawView() {
    glutSetWindow(game.viewWindow);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
}
void drawBackdrop() {}
void drawBoard3D() {}
