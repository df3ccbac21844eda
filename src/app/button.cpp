#include "app/button.h"

Button newGameButton, soundButton, pauseButton, speedUpButton, speedDownButton, exitButton,
    topButton, bottomButton, leftButton, rightButton, highScoresButton;

const ButtonPlace kButtonPlaces[11] = {
    {&newGameButton, 35, 530, "New Game"},  {&soundButton, 35, 500, "Sound"},
    {&pauseButton, 35, 470, "Pause"},       {&speedUpButton, 0, 440, "Speed +"},
    {&speedDownButton, 83, 440, "Speed -"}, {&exitButton, 35, 410, "Exit"},
    {&topButton, 41, 300, "Top"},           {&bottomButton, 41, 240, "Bottom"},
    {&leftButton, 0, 270, "Left"},          {&rightButton, 83, 270, "Right"},
    {&highScoresButton, 35, 560, "Scores"}};

int Button::hitTest(int px, int py) {
    pressed = (px >= x && px <= x + w && py >= y && py <= y + h) ? 1 : 0;
    return pressed;
}

void Button::release() { pressed = 0; }
