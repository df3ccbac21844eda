// The desktop's window layer: the two GLUT windows and the canvas on them,
// the window's layout, the main loop that hands the player's events to the
// game, runs the game's step when it has work and draws the windows it
// marked, at most once a display refresh; and the end of the program.
#pragma once

#include "platform/desktop/gl_canvas.h"
#include "render/window_layout.h"

struct Desktop {
    int mainWindow = 0;  // the top-level window: the control panel
    int viewWindow = 0;  // its sub-window: the tunnel view
    GlCanvas canvas;
    WindowLayout layout;  // the picture's place in the window as last shaped
};
extern Desktop desktop;

// Closes the audio device and ends the process, with status 0 for an ordinary
// quit; start-up passes a non-zero status when it cannot go on.
[[noreturn]] void quitGame(int status = 0);

// Close callback of the control panel: a window manager closed it, and the
// game ends as on q (but not again while quitGame takes the windows down).
void onWindowClosed();

// The main loop; it never returns: the game ends in quitGame.
[[noreturn]] void runMainLoop();

// Reshape callback of the control panel: the picture is scaled to the window's
// new size and centred (desktop.layout), and the tunnel view follows.
void onReshape(int width, int height);

// Reshape callback of the tunnel view: its picture fills its new size.
void onViewReshape(int width, int height);
