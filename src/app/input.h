// Mouse and keyboard: GLUT events turned into game actions, under the guards
// that decide whether an action may run at all.
#pragma once

// Mouse callback of the control panel: a window point is mapped to the panel
// point drawn there, whatever the window's size (shownLayout).
void onMouse(int button, int state, int x, int y);

// Keyboard callback of both windows.
void onKeyboard(unsigned char key, int x, int y);
