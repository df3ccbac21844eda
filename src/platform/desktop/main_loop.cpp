#include <GL/freeglut.h>
#include <GL/glx.h>
#include <SDL/SDL.h>
#include <X11/Xlib.h>
#include <sys/select.h>

#include <algorithm>
#include <cstdlib>

#include "app/window_size.h"
#include "game/clock.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/settings.h"
#include "platform/desktop/window_layer.h"
#include "render/panel.h"
#include "render/view.h"

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

namespace {
bool ending = false;  // quitGame has begun: the windows it takes down end nothing more
}  // namespace

Desktop desktop;

void quitGame(int status) {
    ending = true;
    flushSettings(elapsedMs(), true);  // what the player set in the last second too
    SDL_CloseAudio();
#ifdef TW_LEAK_CHECK
    __lsan_do_leak_check();
#endif
    std::exit(status);  // SDL_Quit runs among the exit handlers
}

namespace {

// A display shows at most one picture a refresh (60 Hz): the windows the game
// marked are drawn no sooner than this after the last frame.
constexpr Millis kFrameMs = 16;
Millis lastFrame = 0;

// Milliseconds from now to `at`, none if it has passed.
int until(Millis at, Millis now) { return std::max(0, static_cast<int>(at - now)); }

// The sooner of two delays, where -1 stands for none.
int sooner(int delay, int other) {
    if (delay < 0 || other < 0) return std::max(delay, other);
    return std::min(delay, other);
}

int frameDelay(Millis now) { return game.marks == 0 ? -1 : until(lastFrame + kFrameMs, now); }

void drawMarkedWindows() {
    const unsigned marks = game.marks;
    game.marks = 0;
    if ((marks & MarkPanel) != 0) drawPanel(desktop.canvas, desktop.layout);
    if ((marks & MarkView) != 0) drawView(desktop.canvas, desktop.layout);
    lastFrame = elapsedMs();
}

// Sleeps until the X connection has an event for the game, or `ms` have
// passed (-1: until an event). Events Xlib has already read, while a frame
// was presented, are not waited for.
void sleepForEvents(Display *display, int ms) {
    if (XPending(display) > 0) return;
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval timeout{ms / 1000, (ms % 1000) * 1000};
    select(fd + 1, &readable, nullptr, nullptr, ms < 0 ? nullptr : &timeout);
}

// The software renderer learns a window's new size when it presents a frame:
// the first frame after a resize would be drawn at the old size. So the old
// picture is presented once more (the window's new pixels hold nothing yet),
// and the frame drawn next fills the new size.
void presentAtNewSize() { glutSwapBuffers(); }

}  // namespace

void runMainLoop() {
    Display *display = glXGetCurrentDisplay();
    for (;;) {
        // Every event waiting now, each handled at once (GLUT's callbacks);
        // then the game's step if it has work, then one frame of what they
        // changed, then the settings if one is due to be written, then sleep
        // until the next of these is due.
        glutMainLoopEvent();
        if (nextStepDelay() == 0) stepGame();
        if (game.mode == Mode::Ending) quitGame();
        if (frameDelay(elapsedMs()) == 0) drawMarkedWindows();
        const Millis now = elapsedMs();
        flushSettings(now, false);  // what the player set, a second after the last write
        sleepForEvents(display,
                       sooner(sooner(nextStepDelay(), frameDelay(now)), settingsFlushDelay(now)));
    }
}

void onWindowClosed() {
    if (!ending) quitGame();
}

void onReshape(int width, int height) {
    // The picture scales with the window: the panel's frames and the mouse
    // follow its layout, and the tunnel view's sub-window is moved and sized
    // to its place in the picture.
    presentAtNewSize();
    desktop.layout = layoutFor(width, height);
    noteWindowSize(desktop.layout, glutGet(GLUT_FULL_SCREEN) != 0);
    mark(MarkBoth);
    if (desktop.viewWindow == 0) return;
    const WindowBox view = viewBox(desktop.layout);
    glutSetWindow(desktop.viewWindow);
    glutPositionWindow(view.x, view.y);
    glutReshapeWindow(view.width, view.height);
    glutSetWindow(desktop.mainWindow);
}

void onViewReshape(int width, int height) {
    presentAtNewSize();
    glViewport(0, 0, width, height);
    mark(MarkView);
}
