#include "platform/desktop/window_identity.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <climits>
#include <vector>

void identifyWindow() {
    Display *display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (display == nullptr || window == None) return;

    char instance[] = "tumblewell", windowClass[] = "Tumblewell";
    XClassHint hint{instance, windowClass};
    XSetClassHint(display, window, &hint);
    // The title as today's desktops read it, in UTF-8 (WM_NAME is Latin-1).
    static const char kTitle[] = "Tumblewell";
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(kTitle), sizeof kTitle - 1);

    // Below half the picture's size its text and blocks would no longer read:
    // a window manager is asked not to shrink the window further. GLUT's own
    // hints (its place and size) are kept.
    XSizeHints *sizes = XAllocSizeHints();
    long supplied = 0;
    if (sizes != nullptr) {
        XGetWMNormalHints(display, window, sizes, &supplied);
        sizes->flags |= PMinSize;
        sizes->min_width = kMinimumWidth;
        sizes->min_height = kMinimumHeight;
        XSetWMNormalHints(display, window, sizes);
        XFree(sizes);
    }

    // A process id means something only on its own machine, so the two go
    // together.
    char host[HOST_NAME_MAX + 1] = "";
    if (gethostname(host, sizeof host - 1) == 0) {
        char *name = host;
        XTextProperty machine;
        if (XStringListToTextProperty(&name, 1, &machine) != 0) {
            XSetWMClientMachine(display, window, &machine);
            XFree(machine.value);
        }
        const long pid = getpid();
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL,
                        32, PropModeReplace, reinterpret_cast<const unsigned char *>(&pid), 1);
    }

    // Xlib takes 32-bit property items as longs.
    const std::vector<long> icon(kWindowIcon, kWindowIcon + kWindowIconLength);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char *>(icon.data()),
                    static_cast<int>(icon.size()));

    // GLUT maps the window as it creates it, so a window manager may already
    // have taken it in and read its class, and some (openbox for one) never
    // read it again. Then the window is withdrawn and mapped afresh, which
    // makes the manager read all of it anew.
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *state = nullptr;
    XGetWindowProperty(display, window, XInternAtom(display, "WM_STATE", False), 0, 1, False,
                       AnyPropertyType, &type, &format, &count, &after, &state);
    if (state != nullptr) XFree(state);
    if (type != None) {
        XWithdrawWindow(display, window, DefaultScreen(display));
        // That unmapping is the game's own doing, not the player leaving the
        // window, which would pause the game: its notice is dropped.
        XSync(display, False);
        XEvent unmapped;
        while (XCheckTypedWindowEvent(display, window, UnmapNotify, &unmapped) == True) {
        }
        XMapWindow(display, window);
    }
    XFlush(display);
}
