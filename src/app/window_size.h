// How large the game's window starts, and the size a player leaves it at, in
// whole multiples of the 800 by 600 picture.
#pragma once

#include "render/window_layout.h"

// What the command line asked for.
struct WindowChoice {
    int askedScale = 0;  // --scale N; 0 when not given
    bool askedFullScreen = false;
};
extern WindowChoice windowChoice;

constexpr int kLargestScale = 4;

// The whole-number scale a window starts at: the one asked for; else the one
// remembered from the last run (0 for none), else the screen's resolution
// setting in dots per inch (96 a step, rounded down; 0 when unknown gives 1).
// The last two never make a window larger than the screen.
int startScale(int asked, int remembered, int dpi, int screenWidth, int screenHeight);

// The screen's resolution setting from the X resource string (its Xft.dpi),
// 0 when it has none. Takes nullptr.
int dpiOf(const char *resources);

// The whole-number scale a window of this layout shows the picture at (1 to 4),
// which a new window of that scale would match.
int wholeScale(const WindowLayout &layout);

// The whole-number scale of the window as the player last left it (not in
// full screen): set at start-up, then by noteWindowSize.
extern int windowScale;

// The window has been given a new size: a player's resize to another whole
// scale is remembered for the next run (a window in full screen says nothing
// about the size the player wants).
void noteWindowSize(const WindowLayout &layout, bool fullScreen);
