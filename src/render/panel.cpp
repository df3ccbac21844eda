// PLACEHOLDER until the control panel is drawn: clears the window and runs the
// panel's timed steps.
#include <GL/glut.h>

#include "game/flow.h"
#include "game/game_state.h"
#include "render/panel.h"

void drawPanel() {
    checkExitTimer();
    glutSetWindow(game.mainWindow);
    glClearColor(0.5f, 0.5f, 0.5f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
    advanceRowPush();
}
