#include <GL/glut.h>
#include <SDL/SDL.h>
#include <malloc.h>

#include <cstdlib>

#include "app/frame.h"
#include "app/input.h"
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

// The graphics driver takes blocks of some tens of kilobytes for every draw,
// and each clip is read and converted afresh when it plays. In the heap these
// are cheap to take again (as mappings of their own, every draw would pay for
// fresh pages), but the holes they leave would make the resident memory creep
// over a long session; so once a tick the heap gives back its free pages.
void returnFreeMemory() {
    static Millis trimmedAt = 0;
    if (game.lastTick == trimmedAt) return;
    trimmedAt = game.lastTick;
    malloc_trim(0);
}

void onStepTimer(int timer) {
    if (timer != stepTimer) return;
    onIdle();
    returnFreeMemory();
    scheduleStep();
}

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

void onReshape(int, int height) {
    // The panel keeps its layout and its viewport whatever size the window is
    // given, drawn from the window's bottom-left corner; only the mouse has to
    // know where that corner now is.
    setPanelWindowHeight(height);
}
