// The game's picture and the control panel's geometry: where every button,
// label, the flat grid and the row preview lie, in picture points (x to the
// right and y up from the picture's bottom-left corner, whole pixels of the
// 800 by 600 picture). The panel is drawn from these places and clicks are
// tested against them, so the two never disagree.
#pragma once

#include "game/types.h"

constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

// The tunnel view's box in the picture: from x 170 to the right edge, from
// the top edge down to y 100.
constexpr int kViewLeft = 170;
constexpr int kViewBottom = 100;
constexpr int kViewWidth = kPictureWidth - kViewLeft;
constexpr int kViewHeight = kPictureHeight - kViewBottom;

// The buttons, in the order the panel draws them.
enum ButtonId {
    NewGameButton,
    SoundButton,
    PauseButton,
    SpeedUpButton,
    SpeedDownButton,
    ExitButton,
    TopButton,
    BottomButton,
    LeftButton,
    RightButton,
    ScoresButton,
    kButtons
};

// A button is 83 by 23 pixels from its bottom-left corner (x, y); its hit
// rectangle takes in its right and top edges too (84 by 24 points), so that
// the speed and wall pairs share the pixel column x = 83.
constexpr int kButtonWidth = 83;
constexpr int kButtonHeight = 23;
struct ButtonPlace {
    int x, y;
    const char *label;
};
constexpr ButtonPlace kButtonPlaces[kButtons] = {
    {35, 530, "New Game"}, {35, 500, "Sound"}, {35, 470, "Pause"},  {0, 440, "Speed +"},
    {83, 440, "Speed -"},  {35, 410, "Exit"},  {41, 300, "Top"},    {41, 240, "Bottom"},
    {0, 270, "Left"},      {83, 270, "Right"}, {35, 560, "Scores"},
};

// Whether the point (px, py) lies on the button, edges included.
inline bool onButton(ButtonId id, int px, int py) {
    const ButtonPlace &b = kButtonPlaces[id];
    return px >= b.x && px <= b.x + kButtonWidth && py >= b.y && py <= b.y + kButtonHeight;
}

// The flat grid of the wall in view: kGridCell pixels a cell from the point
// (kGridLeft, 0), row 0 at the bottom, column 0 at the left.
constexpr int kGridLeft = 10;
constexpr int kGridCell = 30;
constexpr int kGridRight = kGridLeft + kColumns * kGridCell;
constexpr int kGridTop = kRows * kGridCell;

// Where the panel's lines of text start (the baseline's left end).
struct TextPlace {
    int x, y;
};
constexpr TextPlace kLevelText = {10, 380};
constexpr TextPlace kPointsText = {10, 360};
constexpr TextPlace kRowsLeftText = {10, 340};
constexpr TextPlace kViewSideText = {10, 220};  // the wall in view, or "Game Over"
constexpr TextPlace kPushSideText = {180, 20};  // the wall the next row goes to

// The row preview: a tilted cube of kPreviewCube pixels for each block built
// so far, the first centred on (kPreviewX, kPreviewY), the rest kPreviewStep
// pixels apart to its right.
constexpr int kPreviewX = 320;
constexpr int kPreviewY = 50;
constexpr int kPreviewStep = 75;
constexpr int kPreviewCube = 65;
