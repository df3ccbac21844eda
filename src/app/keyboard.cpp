// Keys, in either window: a key for every button and a few more commands, or
// the player's name after a game lost to a full wall.
#include <cstring>

#include "app/frame.h"
#include "app/input.h"
#include "game/flow.h"
#include "game/game_state.h"
#include "render/view.h"

namespace {

constexpr unsigned char kEnter = 13;
constexpr unsigned char kBackspace = 8;

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

}  // namespace

void onKeyboard(unsigned char key, int, int) {
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
