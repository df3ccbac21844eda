// A window manager that knows full screen (_NET_WM_STATE_FULLSCREEN) fills the
// screen with the window when GLUT asks it, and puts the window back after.
// Without one GLUT resizes the window to the screen itself and moves it by
// minus its place within its parent: right for a window inside a manager's
// frame, but a window straight on the root, at (100, 100), went to
// (-100, -100), and leaving only gave it its size back. There the game moves
// the window to the screen's corner first (minus its place is then nothing,
// so GLUT's move keeps it there) and moves it back itself on the way out.
#include "platform/desktop/full_screen.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <vector>

#include "game/settings.h"
#include "platform/desktop/window_layer.h"

namespace {

// Where the window stood before the game moved it to the corner; `moved`
// while it stands there.
struct Place {
    int x = 0, y = 0;
    bool moved = false;
};
Place before;

// The 32-bit items of the root window's property `name` of `type`; none when it
// is not set.
std::vector<unsigned long> rootItems(Display *display, const char *name, Atom type) {
    std::vector<unsigned long> items;
    const Atom property = XInternAtom(display, name, True);
    if (property == None) return items;
    Atom got = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 1024, False, type,
                           &got, &format, &count, &after, &data) == Success &&
        got == type && format == 32) {
        const auto *values = reinterpret_cast<const unsigned long *>(data);  // Xlib's longs
        items.assign(values, values + count);
    }
    if (data != nullptr) XFree(data);
    return items;
}

// What GLUT looks at to choose: a window manager names itself on the root
// (start-up removes a stale name) and lists the full-screen state as one it
// supports.
bool managerFillsScreen(Display *display) {
    const Atom full = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", True);
    const std::vector<unsigned long> supported = rootItems(display, "_NET_SUPPORTED", XA_ATOM);
    return !rootItems(display, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).empty() && full != None &&
           std::find(supported.begin(), supported.end(), full) != supported.end();
}

// Before GLUT fills the screen (later, in its main loop): a window of no
// manager's is moved to the screen's corner, and its place kept. Its size is
// GLUT's to change and give back.
void moveToCorner() {
    glutSetWindow(desktop.mainWindow);
    Display *display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None || before.moved || managerFillsScreen(display))
        return;  // (a second F11 before GLUT has acted keeps the first place)
    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    XWindowAttributes now;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return;
    if (children != nullptr) XFree(children);
    // In a frame (a manager that does not know full screen), GLUT's move is right.
    if (parent != root || XGetWindowAttributes(display, window, &now) == 0) return;
    before = {now.x, now.y, true};
    XMoveWindow(display, window, 0, 0);
}

void moveBack() {
    glutSetWindow(desktop.mainWindow);
    if (!before.moved) return;
    before.moved = false;
    XMoveWindow(glXGetCurrentDisplay(), glXGetCurrentDrawable(), before.x, before.y);
}

}  // namespace

void toggleFullScreen() {
    glutSetWindow(desktop.mainWindow);
    if (glutGet(GLUT_FULL_SCREEN) != 0) {
        leaveFullScreen();
        return;
    }
    startFullScreen();
    rememberSetting(FullScreenSetting, 1);
}

void leaveFullScreen() {
    glutSetWindow(desktop.mainWindow);
    if (glutGet(GLUT_FULL_SCREEN) == 0) return;
    glutLeaveFullScreen();
    moveBack();
    rememberSetting(FullScreenSetting, 0);
}

void startFullScreen() {
    moveToCorner();
    glutFullScreen();
}
