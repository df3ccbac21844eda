// Keys, in either window: a key for every button and a few more commands, the
// arrows that move a cursor over the flat grid, or the player's name after a
// game lost to a full wall.
#include <algorithm>
#include <cstring>

#include "app/frame.h"
#include "app/full_screen.h"
#include "app/input.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "game/pacing.h"
#include "render/panel.h"
#include "render/view.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kEscape = 27;
// GLUT's codes for F11 and the arrow keys; the input layer is built without its
// headers.
constexpr int kF11 = 11;
constexpr int kArrowLeft = 100;
constexpr int kArrowUp = 101;
constexpr int kArrowRight = 102;
constexpr int kArrowDown = 103;

// A name holds what can be printed: ASCII 32 to 126. Tab, Escape, Delete and
// the other control keys would garble the table, and the bitmap font has no
// picture for the bytes of accented letters (GLUT hands over Latin-1), which
// would leave the name short on screen and the score column out of line.
bool printable(unsigned char key) { return key >= 32 && key <= 126; }

// Printable keys go into the name until Enter. It never grows past its
// storage: once full, only Enter and Backspace do anything.
void typeName(unsigned char key) {
    char *name = game.playerName;
    const std::size_t length = std::strlen(name);
    if (key == kEnter) {
        game.nameState = 2;
    } else if (key == kBackspace) {
        if (length > 0) name[length - 1] = '\0';
    } else if (printable(key) && length < static_cast<std::size_t>(kNameLength)) {
        name[length] = static_cast<char>(key);
        name[length + 1] = '\0';
    }
}

// The side keys sit under the left hand: s, e, f, d for Left, Top, Right,
// Bottom. They are refused while paused, without a redraw.
void viewSideKey(int side) {
    if (game.paused != 1) selectViewSide(side);
}

// The first arrow key only shows the cursor, on the bottom-left cell where the
// blocks gather, so that the player sees where it starts; each one after moves
// it a cell. It stops at the grid's edges rather than wrapping round, and keeps
// its cell whichever wall is in view.
void moveCursor(int rows, int columns) {
    if (game.cursorShown != 1) {
        game.cursorShown = 1;
    } else {
        const int row = std::clamp(game.cursorRow + rows, 0, kRows - 1);
        const int column = std::clamp(game.cursorColumn + columns, 0, kColumns - 1);
        if (row == game.cursorRow && column == game.cursorColumn) return;  // at an edge
        game.cursorRow = row;
        game.cursorColumn = column;
    }
    drawPanel();
}

}  // namespace

void onKeyboard(unsigned char key, int, int) {
    const InputEvent event;
    if (key == kEscape) {  // no letter of a name either
        leaveFullScreen();
        return;
    }
    if (game.nameState == 1) {
        typeName(key);
        // The view shows the name in the table as it is typed. Enter stores
        // the table at once, before a key that follows can act as a command.
        if (game.nameState == 2)
            drawView();
        else
            requestViewRedraw();
        return;
    }
    if (runButtonKey(key)) return;
    switch (key) {
        case ' ':
        case kEnter:  // the cell under the cursor, clicked
            if (game.cursorShown == 1) clickCell(game.cursorRow, game.cursorColumn);
            break;
        case 'q':
            quitGame();
        case 'n':
            skipLevel();
            break;
        case 's':
            viewSideKey(Left);
            break;
        case 'e':
            viewSideKey(Top);
            break;
        case 'f':
            viewSideKey(Right);
            break;
        case 'd':
            viewSideKey(Bottom);
            break;
        case 'c':
            toggleColourAid();
            break;
        default:
            break;  // every other key, capitals included, means nothing
    }
}

void onSpecialKey(int key, int, int) {
    const InputEvent event;
    if (key == kF11) {
        toggleFullScreen();
        return;
    }
    if (game.nameState == 1) return;  // the panel shows no grid while a name is typed
    switch (key) {
        case kArrowLeft:
            moveCursor(0, -1);
            break;
        case kArrowRight:
            moveCursor(0, 1);
            break;
        case kArrowUp:  // row 0 is at the bottom of the grid
            moveCursor(1, 0);
            break;
        case kArrowDown:
            moveCursor(-1, 0);
            break;
        default:
            break;  // the other special keys mean nothing
    }
}
