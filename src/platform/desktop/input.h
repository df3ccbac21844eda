// GLUT's input callbacks: each turns what GLUT reports into the game's own
// events, with the pointer mapped to the point of the picture under it.
#pragma once

// Mouse callback of the control panel; the margins around the picture hold
// nothing.
void onMouse(int button, int state, int x, int y);

// Keyboard and special-key callbacks of both windows.
void onKeyboard(unsigned char key, int x, int y);
void onSpecialKey(int key, int x, int y);

// Window-status callback of the control panel: hidden or wholly covered.
void onWindowStatus(int state);
