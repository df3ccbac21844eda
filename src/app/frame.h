// The program's window frame: the routines the rest of the game calls to end
// the program or ask for a redraw of the tunnel view.
#pragma once

// Closes the audio device and ends the process, with status 0 for an ordinary
// quit; start-up passes a non-zero status when it cannot go on.
[[noreturn]] void quitGame(int status = 0);

// Asks GLUT to redraw the tunnel view on a later pass of the main loop. Leaves
// the view window current.
void requestViewRedraw();

// Sets the timer of the idle step for when it next has work, replacing any
// earlier one; with nothing due the program sleeps until an event. Called
// after every step and every event, which may bring work forward.
void scheduleStep();

// Fixed GL state of the control panel, set once at start-up.
void initPanelGL();

// Reshape callback of the control panel: the picture is scaled to the window's
// new size and centred (shownLayout), and the tunnel view follows.
void onReshape(int width, int height);

// Reshape callback of the tunnel view: its picture fills its new size.
void onViewReshape(int width, int height);
