#include "platform/desktop/screen.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

#include "app/window_size.h"

int screenDpi(const char *displayName) {
    Display *display = XOpenDisplay(displayName);
    if (display == nullptr) return 0;  // GLUT says so itself
    const int dpi = dpiOf(XResourceManagerString(display));
    XCloseDisplay(display);
    return dpi;
}

void requireDisplay(const char *displayName) {
    Display *display = XOpenDisplay(displayName);
    if (display != nullptr) {
        XCloseDisplay(display);
        return;
    }
    const char *name = XDisplayName(displayName);
    if (name == nullptr || *name == '\0')
        std::fprintf(stderr, "tumblewell: cannot open the display: DISPLAY is not set\n");
    else
        std::fprintf(stderr, "tumblewell: cannot open the display \"%s\"\n", name);
    std::exit(1);
}
