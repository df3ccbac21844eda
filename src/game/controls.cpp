// The mouse and the keys. Buttons are pressed on the way down and act on the
// way up, a release on the flat grid clicks a block, each button has a key
// that runs the same release, the arrows move a cursor over the flat grid,
// and after a game that earned a place the keys type the player's name.
#include "game/controls.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "game/actions.h"
#include "game/flow_support.h"
#include "game/game_state.h"
#include "game/score_keeping.h"
#include "game/window.h"
#include "scores/score_file.h"

namespace {

// The events that came during a wait. A storm of them is bounded: past this
// many, what comes is dropped (a wait lasts 3.5 s at the most).
constexpr std::size_t kMostHeld = 16384;
std::vector<Event> held;

// A release on a button runs its action unless the game's mode refuses it.
// Buttons refused while the credits run stay inert; the others a mode refuses
// only show released again.
void releaseNewGame() {
    if (!isLeaving(game.mode)) newGame();
}
void releaseSound() {
    if (!isLeaving(game.mode)) toggleSound();
}
void releaseScores() {
    // While a name is typed the table is up already.
    if (!isLeaving(game.mode) && game.mode != Mode::NameEntry) toggleHighScoreView();
}
void releasePause() {
    if (!isLeaving(game.mode)) togglePause();
}
void releaseSpeed(void (*change)()) {
    if (!isLeaving(game.mode) && !showsScores(game.mode)) change();
}
void releaseSide(int side) {
    if (!isLeaving(game.mode) && !isPaused(game.mode)) selectViewSide(side);
}
void releaseExit() {
    // A second Exit cuts the credits short.
    if (isLeaving(game.mode))
        quitNow();
    else
        startExit();
}

struct Release {
    void (*act)();
    ButtonId button;
    Key key;                // the button's named key, or
    unsigned char command;  // the character that runs it (0 for none)
};

// The order matters where buttons touch: "Speed +" wins the column it shares
// with "Speed -", and Left the one it shares with Right. The walls' buttons
// have keys of their own (s, e, f, d) with a guard of their own.
const Release kReleaseOrder[] = {
    {releaseNewGame, NewGameButton, Key::CtrlN, 0},
    {releaseSound, SoundButton, Key::None, 'm'},
    {releaseScores, ScoresButton, Key::None, 'h'},
    {releasePause, PauseButton, Key::None, 'p'},
    {[] { releaseSpeed(speedUp); }, SpeedUpButton, Key::None, '+'},
    {[] { releaseSpeed(speedDown); }, SpeedDownButton, Key::None, '-'},
    {[] { releaseSide(Left); }, LeftButton, Key::None, 0},
    {[] { releaseSide(Top); }, TopButton, Key::None, 0},
    {[] { releaseSide(Right); }, RightButton, Key::None, 0},
    {[] { releaseSide(Bottom); }, BottomButton, Key::None, 0},
    {releaseExit, ExitButton, Key::None, 'x'},
};

constexpr ButtonId kPressOrder[] = {NewGameButton,   SoundButton, ScoresButton, SpeedUpButton,
                                    SpeedDownButton, PauseButton, TopButton,    BottomButton,
                                    LeftButton,      RightButton, ExitButton};

// Tests the point against a button, which then shows pressed exactly when the
// point lies on it.
bool hitTest(ButtonId id, int px, int py) {
    const bool hit = onButton(id, px, py);
    game.pressed[id] = hit ? 1 : 0;
    return hit;
}

// The first button under the point is left pressed; those tested before it
// lose their pressed look, those after it are not touched.
void pressAt(int px, int py) {
    for (ButtonId id : kPressOrder)
        if (hitTest(id, px, py)) return;
}

// Runs the release of the first button under the point; false when the point
// is on no button.
bool releaseAt(int px, int py) {
    for (const Release &entry : kReleaseOrder) {
        if (hitTest(entry.button, px, py)) {
            game.pressed[entry.button] = 0;
            entry.act();
            return true;
        }
    }
    return false;
}

// A click on the flat grid's cell: removes the group there unless the game is
// paused or over.
void clickCell(int row, int column) {
    if (!isOver(game.mode) && !isPaused(game.mode)) clickBoard(row, column);
}

void clickGridAt(int px, int py) {
    const bool onGrid = px >= kGridLeft && px < kGridRight && py >= 0 && py < kGridTop;
    if (onGrid) clickCell(py / kGridCell, (px - kGridLeft) / kGridCell);
}

void mouse(const Event &event) {
    if (event.left && event.kind == Event::Press) pressAt(event.x, event.y);
    // Every mouse event shows the buttons as they now are.
    mark(MarkPanel);
    if (event.left && event.kind == Event::Release && !releaseAt(event.x, event.y))
        clickGridAt(event.x, event.y);
}

// A name holds what can be printed: ASCII 32 to 126. Tab, Escape, Delete and
// the other control keys would garble the table, and the font has no picture
// for the bytes of accented letters, which would leave the name short on
// screen and the score column out of line. It never grows past its storage:
// once full, only Enter and Backspace do anything. The view shows it in the
// table as it is typed; Enter saves it.
void typeName(const Event &event) {
    char *name = game.playerName;
    const std::size_t length = std::strlen(name);
    const unsigned char c = event.character;
    if (event.key == Key::Enter) {
        HighScoreEntry entry;
        padName(name, entry.name);
        entry.score = game.points;
        // A save that fails leaves the table as shown, the entry at its place.
        int place = game.scores.highlight;
        game.scores.note = saveEntry(game.scores.table, place, entry);
        game.scores.highlight = place < kScorePlaces ? place : -1;
        playClip("data/excellent.wav");
        game.mode = Mode::ScoreSaved;
    } else if (event.key == Key::Backspace) {
        if (length > 0) name[length - 1] = '\0';
    } else if (event.key == Key::None && c >= 32 && c <= 126 && length < kNameLength) {
        name[length] = static_cast<char>(c);
        name[length + 1] = '\0';
    } else {
        return;
    }
    if (game.mode == Mode::NameEntry) padName(name, game.scores.table[game.scores.highlight].name);
    mark(MarkView);
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
    mark(MarkPanel);
}

// The side keys sit under the left hand: s, e, f, d for Left, Top, Right,
// Bottom. They are refused while paused.
void viewSideKey(int side) {
    if (!isPaused(game.mode)) selectViewSide(side);
}

bool runButtonKey(const Event &event) {
    for (const Release &entry : kReleaseOrder) {
        if ((entry.key != Key::None && entry.key == event.key) ||
            (event.key == Key::None && entry.command != 0 && entry.command == event.character)) {
            entry.act();
            return true;
        }
    }
    return false;
}

void key(const Event &event) {
    // Full screen answers in every mode, and Escape is no letter of a name.
    if (event.key == Key::F11) return toggleFullScreen();
    if (game.mode == Mode::Help) {
        // The help takes every key but these: F1 or Escape closes it, q quits.
        if (event.key == Key::F1 || event.key == Key::Escape) toggleHelp();
        if (event.key == Key::None && event.character == 'q') quitNow();
        return;
    }
    if (event.key == Key::Escape) return leaveFullScreen();
    if (event.key == Key::F1) return toggleHelp();
    if (game.mode == Mode::NameEntry) return typeName(event);
    if (runButtonKey(event)) return;
    switch (event.key) {
        case Key::Enter:  // the cell under the cursor, clicked
            if (game.cursorShown == 1) clickCell(game.cursorRow, game.cursorColumn);
            return;
        case Key::Left:
            return moveCursor(0, -1);
        case Key::Right:
            return moveCursor(0, 1);
        case Key::Up:  // row 0 is at the bottom of the grid
            return moveCursor(1, 0);
        case Key::Down:
            return moveCursor(-1, 0);
        case Key::None:
            break;
        default:
            return;
    }
    switch (event.character) {
        case ' ':
            if (game.cursorShown == 1) clickCell(game.cursorRow, game.cursorColumn);
            break;
        case 'q':
            quitNow();
            break;
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

void act(const Event &event) {
    if (game.mode == Mode::Ending) return;  // the program is ending
    switch (event.kind) {
        case Event::Press:
        case Event::Release:
            if (game.mode != Mode::Help) mouse(event);  // the help closes by its keys
            return;
        case Event::Type:
            return key(event);
        case Event::Hidden:
            return pauseWhenHidden();
    }
}

}  // namespace

const ControlHelp kControlsHelp[16] = {
    {"click a block", "remove its group (two or more joined, one colour)"},
    {"arrow keys", "show, then move, a cursor on the flat grid"},
    {"Space or Enter", "click the block under the cursor"},
    {"New Game (Ctrl+N)", "start again at level 1"},
    {"Sound (m)", "switch sound clips on or off"},
    {"Pause (p)", "pause; press again to resume"},
    {"Speed + / Speed - (+, -)", "shorten / lengthen the tick by 50 ms"},
    {"Left, Top, Right, Bottom", "show that wall in the flat grid (keys s, e, f, d)"},
    {"Scores (h)", "show the high-score table; press again to go back"},
    {"Exit (x)", "show the credits and end; press again to end now"},
    {"c", "switch the colour aid on or off: a shape per colour"},
    {"F1", "show these controls; F1 or Escape again to go back"},
    {"n", "skip to the end of the level"},
    {"F11", "fill the screen, or go back to the window"},
    {"Escape", "leave full screen"},
    {"q", "quit at once"},
};

void handleEvent(const Event &event) {
    if (game.waiting != 1) return act(event);
    const bool quit = event.kind == Event::Type && event.key == Key::None &&
                      event.character == 'q' && game.mode != Mode::NameEntry;
    if (quit) {
        // What came before it still counts (a setting changed, say).
        handleHeldEvents();
        quitNow();
    } else if (held.size() < kMostHeld) {
        held.push_back(event);
    }
}

void handleHeldEvents() {
    // All at once, in order: a new game among them deals its walls at once and
    // waits for what comes after, not for the rest of them.
    std::vector<Event> events;
    events.swap(held);
    for (const Event &event : events) act(event);
}
