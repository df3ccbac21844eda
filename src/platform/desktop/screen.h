// What the X display tells about its screen before GLUT opens it.
#pragma once

// The screen's resolution setting (the Xft.dpi resource) of the display named
// `displayName` (nullptr for $DISPLAY), 0 when it has none or there is no display.
int screenDpi(const char *displayName);
