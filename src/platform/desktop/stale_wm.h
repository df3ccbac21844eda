// A desktop whose window manager has exited without tidying up after itself.
#pragma once

// Removes the root window's _NET_SUPPORTING_WM_CHECK when the window it names
// no longer exists. GLUT's initialisation reads that window, and a read of a
// window that is gone is an X error that ends the program inside GLUT, before
// the game could handle it; without the stale property GLUT sees what the
// desktop is, one without a window manager. A live window manager's property
// is left alone. Does nothing when there is no display to connect to.
// `displayName`: the display GLUT opens, nullptr for $DISPLAY.
void clearStaleWindowManagerCheck(const char *displayName);
