// Full screen: the game's window covers the whole screen, and goes back to
// where it was, with a window manager or without one.
#pragma once

// F11: the window fills the screen, or goes back to the size and place it had.
// Remembered for the next run.
void toggleFullScreen();

// Escape: back from full screen; in a window it does nothing. Remembered.
void leaveFullScreen();

// Start-up in full screen (--fullscreen, or as the player last left it): call
// it right after the window is created, where it still stands at its first
// place, which leaving full screen gives it back. Not remembered.
void startFullScreen();
