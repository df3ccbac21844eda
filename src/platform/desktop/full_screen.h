// Full screen: the game's window covers the whole screen, and goes back to
// where it was, with a window manager or without one. F11 and Escape are the
// game's own requests (game/window.h).
#pragma once

#include "game/window.h"

// Start-up in full screen (--fullscreen, or as the player last left it): call
// it right after the window is created, where it still stands at its first
// place, which leaving full screen gives it back. Not remembered.
void startFullScreen();
