// What the X display tells about its screen before GLUT opens it.
#pragma once

// The screen's resolution setting (the Xft.dpi resource) of the display named
// `displayName` (nullptr for $DISPLAY), 0 when it has none or there is no display.
int screenDpi(const char *displayName);

// Ends the program with one line of its own ("tumblewell: cannot open the
// display ...", status 1) when there is no display to open; GLUT would say it
// in its own words, after the sound device had been opened for nothing.
void requireDisplay(const char *displayName);
