#include "app/button.h"

Button newGameButton, soundButton, pauseButton, speedUpButton, speedDownButton, exitButton,
    topButton, bottomButton, leftButton, rightButton, highScoresButton;

int Button::hitTest(int px, int py) {
    pressed = (px >= x && px <= x + w && py >= y && py <= y + h) ? 1 : 0;
    return pressed;
}

void Button::release() { pressed = 0; }
