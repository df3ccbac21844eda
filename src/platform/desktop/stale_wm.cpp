#include "platform/desktop/stale_wm.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

bool badWindow = false;

int noteBadWindow(Display *, XErrorEvent *error) {
    if (error->error_code == BadWindow) badWindow = true;
    return 0;
}

// The window that `property` of `window` names, or None.
Window namedWindow(Display *display, Window window, Atom property) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    Window named = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        named = *reinterpret_cast<Window *>(data);  // 32-bit items come as longs
    if (data != nullptr) XFree(data);
    return named;
}

}  // namespace

void clearStaleWindowManagerCheck(const char *displayName) {
    Display *display = XOpenDisplay(displayName);
    if (display == nullptr) return;  // GLUT says so itself
    // No such atom: no window manager ever ran on this display.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check != None) {
        // Held so that a window manager starting meanwhile cannot lose its
        // fresh property to this check.
        XGrabServer(display);
        const Window root = DefaultRootWindow(display);
        const Window named = namedWindow(display, root, check);
        if (named != None) {
            const XErrorHandler previous = XSetErrorHandler(noteBadWindow);
            badWindow = false;
            namedWindow(display, named, check);
            XSync(display, False);
            XSetErrorHandler(previous);
            if (badWindow) XDeleteProperty(display, root, check);
        }
        XUngrabServer(display);
    }
    XCloseDisplay(display);
}
