// PLACEHOLDER until the mouse and keys drive the game: q quits.
#include "app/input.h"

#include "app/frame.h"

void onMouse(int, int, int, int) {}
void onKeyboard(unsigned char key, int, int) {
    if (key == 'q') quitGame();
}
