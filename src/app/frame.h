// The program's window frame: the main loop that hands the player's events to
// the game, runs the game's step when it has work and draws the windows it
// marked, at most once a display refresh; and the end of the program.
#pragma once

// Closes the audio device and ends the process, with status 0 for an ordinary
// quit; start-up passes a non-zero status when it cannot go on.
[[noreturn]] void quitGame(int status = 0);

// Close callback of the control panel: a window manager closed it, and the
// game ends as on q (but not again while quitGame takes the windows down).
void onWindowClosed();

// The main loop; it never returns: the game ends in quitGame.
[[noreturn]] void runMainLoop();

// Fixed GL state of the control panel, set once at start-up.
void initPanelGL();

// Reshape callback of the control panel: the picture is scaled to the window's
// new size and centred (shownLayout), and the tunnel view follows.
void onReshape(int width, int height);

// Reshape callback of the tunnel view: its picture fills its new size.
void onViewReshape(int width, int height);
