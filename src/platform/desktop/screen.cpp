#include "platform/desktop/screen.h"

#include <X11/Xlib.h>

#include "app/window_size.h"

int screenDpi(const char *displayName) {
    Display *display = XOpenDisplay(displayName);
    if (display == nullptr) return 0;  // GLUT says so itself
    const int dpi = dpiOf(XResourceManagerString(display));
    XCloseDisplay(display);
    return dpi;
}
