// The mouse over the control panel: buttons are pressed on the way down and
// act on the way up, and a release on the flat grid clicks a block. Each
// button's key runs the same release.
#include "app/input.h"

#include "app/button.h"
#include "app/layout.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/pacing.h"
#include "render/grid_layout.h"
#include "render/panel.h"

namespace {

// GLUT's codes for the left button and for the two button states; the input
// layer is built without GLUT's headers.
constexpr int kLeftButton = 0;
constexpr int kButtonDown = 0;
constexpr int kButtonUp = 1;

// A release on a button runs its action unless the game's mode refuses it.
// Buttons refused during the credits stay silent; the others that a mode
// refuses still redraw the panel.
void releaseNewGame() {
    if (game.exitState == 0) newGame();
}
void releaseSound() {
    if (game.exitState == 0) toggleSound();
}
void releaseHighScores() {
    if (game.exitState != 0)
        drawPanel();
    else
        toggleHighScoreView();
}
void releasePause() {
    if (game.exitState == 0) togglePause();
}
void releaseSpeed(void (*change)()) {
    if (game.exitState != 0 || game.highScoreView != 0)
        drawPanel();
    else
        change();
}
void releaseSide(int side) {
    if (game.exitState != 0) return;
    if (game.paused == 1)
        drawPanel();
    else
        selectViewSide(side);
}
void releaseExit() {
    if (game.exitState == 0) {
        startExit();
    } else {
        // A second Exit cuts the credits short: the redraw's exit step quits.
        game.exitState = 2;
        drawPanel();
    }
}

struct Release {
    Button *button;
    void (*act)();
    unsigned char key;  // 0: the button's wall has a key of its own (s, e, f, d)
};

constexpr unsigned char kCtrlN = 14;  // what GLUT hands over for Ctrl+N

// The order matters where buttons touch: "Speed +" wins the column it shares
// with "Speed -", and Left the one it shares with Right.
const Release kReleaseOrder[] = {
    {&newGameButton, releaseNewGame, kCtrlN},
    {&soundButton, releaseSound, 'm'},
    {&highScoresButton, releaseHighScores, 'h'},
    {&pauseButton, releasePause, 'p'},
    {&speedUpButton, [] { releaseSpeed(speedUp); }, '+'},
    {&speedDownButton, [] { releaseSpeed(speedDown); }, '-'},
    {&leftButton, [] { releaseSide(Left); }, 0},
    {&topButton, [] { releaseSide(Top); }, 0},
    {&rightButton, [] { releaseSide(Right); }, 0},
    {&bottomButton, [] { releaseSide(Bottom); }, 0},
    {&exitButton, releaseExit, 'x'},
};

Button *const kPressOrder[] = {&newGameButton,   &soundButton, &highScoresButton, &speedUpButton,
                               &speedDownButton, &pauseButton, &topButton,        &bottomButton,
                               &leftButton,      &rightButton, &exitButton};

// The first button under the point is left pressed; those tested before it
// lose their pressed look, those after it are not touched.
void pressAt(int px, int py) {
    for (Button *button : kPressOrder)
        if (button->hitTest(px, py) == 1) return;
}

// Runs the release of the first button under the point; false when the point
// is on no button.
bool releaseAt(int px, int py) {
    for (const Release &entry : kReleaseOrder) {
        if (entry.button->hitTest(px, py) == 1) {
            entry.button->release();
            entry.act();
            return true;
        }
    }
    return false;
}

void clickGridAt(int px, int py) {
    const bool onGrid = px >= kGridLeft && px < kGridRight && py >= 0 && py < kGridTop;
    if (onGrid) clickCell(py / kGridCell, (px - kGridLeft) / kGridCell);
}

}  // namespace

void clickCell(int row, int column) {
    if (game.gameOver != 1 && game.paused != 1) clickBoard(row, column);
}

bool runButtonKey(unsigned char key) {
    for (const Release &entry : kReleaseOrder) {
        if (entry.key != 0 && entry.key == key) {
            entry.act();
            return true;
        }
    }
    return false;
}

void onMouse(int button, int state, int x, int y) {
    const InputEvent event;
    int px = 0, py = 0;
    if (!panelPointAt(shownLayout, x, y, px, py)) return;  // the margins hold nothing
    const bool left = button == kLeftButton;
    if (left && state == kButtonDown) pressAt(px, py);
    // Every mouse event redraws the panel first, which also runs its timed
    // steps: the end of the credits and the push of a finished row.
    drawPanel();
    if (!left || state != kButtonUp) return;
    if (!releaseAt(px, py)) clickGridAt(px, py);
}
