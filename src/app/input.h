// Mouse and keyboard: GLUT events turned into game actions, under the guards
// that decide whether an action may run at all.
#pragma once

// Mouse callback of the control panel: a window point is mapped to the panel
// point drawn there, whatever the window's size (shownLayout).
void onMouse(int button, int state, int x, int y);

// A click on the flat grid's cell: removes the group there unless the game is
// paused or over (the credits are a game over too).
void clickCell(int row, int column);

// Runs the action of the button whose key this is (Ctrl+N New Game, m Sound,
// h the scores, p Pause, + and - the speeds, x Exit) under the same guards as
// a release on the button; false when no button has this key.
bool runButtonKey(unsigned char key);

// Keyboard callback of both windows.
void onKeyboard(unsigned char key, int x, int y);

// Special-key callback of both windows: the arrows move the flat grid's cursor,
// F11 switches full screen.
void onSpecialKey(int key, int x, int y);
