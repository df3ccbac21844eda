// The control panel's bevelled push buttons.
#pragma once

class Button {
  public:
    // Every field starts at zero: the rectangle is the point (0, 0) until the
    // button is first drawn.
    int x = 0;  // left edge in panel pixels, recorded by draw()
    int y = 0;  // bottom edge in panel pixels, recorded by draw()
    int w = 0;
    int h = 0;
    char label[16] = {};
    int labelLen = 0;
    int pressed = 0;  // 1 while the button shows pressed
    int latched = 0;  // 1 while it stays drawn pressed in, whatever the mouse does

    // Records the rectangle (83 by 23 at x, y) and the label, and draws the
    // button's rim, face and bevel into the current window in panel
    // coordinates. A label over 15 characters is not kept and the button not
    // drawn, but the rectangle still moves.
    void draw(int x, int y, const char *label);

    // The label recorded by draw(), on the face, in the current colour.
    void drawLabel() const;

    // 1 when (px, py) lies on the button, borders included; sets `pressed` to
    // the same value.
    int hitTest(int px, int py);

    void release();
};

// Before its first draw a button answers only at the panel point (0, 0).
extern Button newGameButton, soundButton, pauseButton, speedUpButton, speedDownButton, exitButton,
    topButton, bottomButton, leftButton, rightButton, highScoresButton;

// Where the control panel draws each button (bottom-left corner, in panel
// points) and what it says, in drawing order: the speed and wall pairs touch,
// sharing the pixel column x = 83.
struct ButtonPlace {
    Button *button;
    int x, y;
    const char *label;
};
extern const ButtonPlace kButtonPlaces[11];
