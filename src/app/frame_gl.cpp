#include <GL/freeglut.h>
#include <SDL/SDL.h>

#include <cstdlib>

#include "app/frame.h"
#include "app/input.h"
#include "app/layout.h"
#include "app/window_size.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/pacing.h"

// In an AddressSanitizer build the leak check runs in quitGame, while the GL
// driver is still loaded, so that its allocations can be told apart by library.
#if defined(__SANITIZE_ADDRESS__)
#define TW_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_LEAK_CHECK 1
#endif
#endif
#ifdef TW_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

void quitGame(int status) {
    SDL_CloseAudio();
#ifdef TW_LEAK_CHECK
    __lsan_do_leak_check();
#endif
    std::exit(status);  // SDL_Quit runs among the exit handlers
}

void requestViewRedraw() {
    glutSetWindow(game.viewWindow);
    glutPostRedisplay();
}

namespace {

// GLUT timers cannot be cancelled: each carries the number it was set under,
// and only the one set last runs the step.
int stepTimer = 0;

void onStepTimer(int timer) {
    if (timer != stepTimer) return;
    onIdle();
    scheduleStep();
}

// The software renderer learns a window's new size when it presents a frame:
// the first frame after a resize would be drawn at the old size. So the old
// picture is presented once more (the window's new pixels hold nothing yet),
// and the frame GLUT draws next fills the new size.
void presentAtNewSize() { glutSwapBuffers(); }

}  // namespace

void scheduleStep() {
    ++stepTimer;
    const int delay = nextStepDelay();
    if (delay >= 0) glutTimerFunc(static_cast<unsigned int>(delay), onStepTimer, stepTimer);
}

void initPanelGL() {
    glClearColor(0, 0, 0, 0);
    glMatrixMode(GL_MODELVIEW);
    glShadeModel(GL_FLAT);  // the buttons' bevel colours rely on flat shading
    glLoadIdentity();
}

void onReshape(int width, int height) {
    // The picture scales with the window: the panel's frames and the mouse
    // follow shownLayout, and the tunnel view's sub-window is moved and sized
    // to its place in the picture.
    presentAtNewSize();
    shownLayout = layoutFor(width, height);
    noteWindowSize(shownLayout, glutGet(GLUT_FULL_SCREEN) != 0);
    if (game.viewWindow == 0) return;
    const WindowBox view = viewBox(shownLayout);
    glutSetWindow(game.viewWindow);
    glutPositionWindow(view.x, view.y);
    glutReshapeWindow(view.width, view.height);
    glutSetWindow(game.mainWindow);
}

void onViewReshape(int width, int height) {
    presentAtNewSize();
    glViewport(0, 0, width, height);
    glutPostRedisplay();
}
