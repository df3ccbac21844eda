// Mouse and keys: the guards of each button in each mode of the game, the flat
// grid, the command keys and the name entry.
#include <GL/glut.h>

#include <cmath>
#include <tuple>

#include "app/input.h"
#include "app/layout.h"
#include "fakes/fake_frame.h"
#include "game/flow.h"
#include "game/pacing.h"

namespace {

using Input = World;  // the high-score screen reads and writes scores.dat

// The left button released at panel point (px, py), on the window pixel where
// the picture as laid out shows it. Panel points are y-up; GLUT reports window
// positions y-down from the top.
void releaseAt(int px, int py) {
    const PictureLayout &in = shownLayout;
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, in.left + static_cast<int>(std::ceil(px * in.scale)),
            in.top + static_cast<int>(std::ceil((600 - py) * in.scale)));
}

void type(const std::string &keys) {
    for (char key : keys) onKeyboard(static_cast<unsigned char>(key), 0, 0);
}

// The fields that the actions behind the buttons and keys change.
auto watched() {
    return std::make_tuple(game.soundOn, game.highScoreView, game.paused, game.currentInterval,
                           game.viewSide, game.exitState, game.points, game.rowsLeft);
}

// What a release or key (or for key 1, the window hidden) did: 'A' its action
// ran, 'R' only the panel was redrawn, '-' nothing beyond the redraw every
// mouse event makes, 'Q' the program ended.
char outcome(int px, int py, char key) {
    const auto before = watched();
    fake.calls.clear();
    try {
        key == 1 ? pauseWhenHidden() : key != 0 ? type(std::string(1, key)) : releaseAt(px, py);
    } catch (const QuitCalled &) {
        return 'Q';
    }
    if (fake.count("drawView") > 0 || watched() != before) return 'A';
    return fake.count("drawPanel") > (key != 0 ? 0 : 1) ? 'R' : '-';
}

TEST_F(Input, EachModeRefusesItsOwnButtonsAndKeys) {
    // New Game, Sound, the scores, Pause, Speed +, Speed -, Left, Top, Right,
    // Bottom, Exit, a pair of blocks on the grid, then the keys: the walls' and
    // n, then the buttons' (Ctrl+N, m, h, p, +, -, x) and Space and Enter on the
    // cursor's cell, which each do what their button or the click does; last,
    // the window hidden, which pauses only a running game.
    const struct {
        int px, py;
        char key;
    } events[] = {{60, 540, 0},  {60, 510, 0}, {60, 570, 0}, {60, 480, 0},  {40, 450, 0},
                  {120, 450, 0}, {40, 280, 0}, {80, 310, 0}, {120, 280, 0}, {80, 250, 0},
                  {60, 420, 0},  {15, 5, 0},   {0, 0, 's'},  {0, 0, 'e'},   {0, 0, 'f'},
                  {0, 0, 'd'},   {0, 0, 'n'},  {0, 0, 14},   {0, 0, 'm'},   {0, 0, 'h'},
                  {0, 0, 'p'},   {0, 0, '+'},  {0, 0, '-'},  {0, 0, 'x'},   {0, 0, ' '},
                  {0, 0, '\r'},  {0, 0, 'D'},  {0, 0, 'q'},  {0, 0, 1}};
    const struct {
        Flag paused, gameOver;
        int highScoreView, exitState;
        const char *outcomes;
    } modes[] = {{0, 0, 0, 0, "AAAAAAAAAAAAAAAAAAAAAAAAAA-QA"},   // playing
                 {1, 0, 0, 0, "AAAAAARRRRA-----AAAAAAAA---Q-"},   // paused
                 {1, 0, 1, 0, "AAARRRRRRRA-----AAAARRRA---Q-"},   // the high scores
                 {0, 1, 0, 0, "AAAAAAAAAAA-AAAAAAAAAAAA---Q-"},   // game over
                 {0, 1, 0, 1, "--R-RR----Q-AAAAA--R-RRQ---Q-"}};  // the credits
    for (const auto &m : modes) {
        std::string outcomes;
        for (const auto &e : events) {
            resetWorld();
            std::tie(game.paused, game.gameOver, game.highScoreView, game.exitState) =
                std::tie(m.paused, m.gameOver, m.highScoreView, m.exitState);
            game.viewSide = e.py == 250 || e.key == 'd' ? Top : Bottom;  // so Bottom is a change
            game.board[game.viewSide][0][0] = game.board[game.viewSide][0][1] = Red;
            game.cursorShown = 1;  // on that pair
            outcomes += outcome(e.px, e.py, e.key);
        }
        EXPECT_EQ(outcomes, m.outcomes);
    }
}

TEST_F(Input, AReleaseOnTheGridClicksTheCellUnderIt) {
    // On a wall of stripes the group removed tells where the click landed; the
    // last two are beyond the window's edges, where GLUT reports a held button.
    const struct {
        int px, py;
        bool columns;                     // vertical stripes, else horizontal ones
        int points, row, column, colour;  // and what that cell holds afterwards
    } cases[] = {{10, 0, true, 70, 0, 0, Empty},  {159, 209, true, 70, 0, 4, Empty},
                 {10, 0, false, 50, 0, 0, Green}, {159, 209, false, 50, 5, 0, Green},
                 {9, 5, true, 0, 0, 0, Red},      {160, 209, true, 0, 0, 4, Red},
                 {159, 210, true, 0, 6, 4, Red},  {-40, -100, true, 0, 0, 0, Red},
                 {900, 800, true, 0, 6, 4, Red}};
    // The same at any window size: the picture scaled twice, with margins left
    // and right, at a scale that is no whole number.
    for (const auto &window :
         {layoutFor(800, 600), layoutFor(1600, 1200), layoutFor(1000, 600), layoutFor(1200, 700)}) {
        for (const auto &c : cases) {
            resetWorld();
            shownLayout = window;
            game.viewSide = Right;
            for (int row = 0; row < kRows; ++row)
                for (int col = 0; col < kColumns; ++col)
                    game.board[Right][row][col] = (c.columns ? col : row) % 2 ? Green : Red;
            for (auto &row : game.board[Bottom])   // the next wall in memory: nothing to
                for (int &cell : row) cell = Red;  // find there by a click beside the grid
            releaseAt(c.px, c.py);
            const std::string at = std::to_string(c.px) + "," + std::to_string(c.py) + " in " +
                                   std::to_string(window.windowWidth);
            EXPECT_EQ(game.points, c.points) << at;
            EXPECT_EQ(game.board[Right][c.row][c.column], c.colour) << at;
        }
    }
    // The margins hold nothing: no button answers there, not even where one
    // stands in an unscaled picture.
    shownLayout = layoutFor(1000, 600);
    fake.calls.clear();
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 60, 29);  // Scores, had the picture no margin
    EXPECT_EQ(fake.calls, Calls());
    onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 160, 29);  // Scores, where it is drawn
    EXPECT_EQ(game.highScoreView, 1);
}

// Events that come faster than frames (a storm of clicks and keys) each act,
// but the panel is drawn once a refresh: the rest is held for the idle step,
// which draws the last picture a refresh later, paused or not, and before the
// game blocks in a wait the picture is brought up to date.
TEST_F(Input, EventsFasterThanFramesAllActButThePanelIsDrawnOnceARefresh) {
    fake.now = game.lastTick = 1000;
    game.paused = 1;
    type("cccccc");
    EXPECT_EQ(game.colourAid, 0);  // six switches, each one acted
    EXPECT_EQ(fake.frames, 1);
    EXPECT_EQ(nextStepDelay(), 16);
    fake.now += 16;
    onIdle();
    EXPECT_EQ(fake.frames, 2);
    EXPECT_EQ(nextStepDelay(), 1001 - 16);  // then only the next tick
    type("c");
    releaseAt(60, 540);  // New Game: its picture is shown before its second's wait
    EXPECT_EQ(fake.frames, 3);
}

TEST_F(Input, ArrowsMoveTheCursorWithinTheGridAndSpaceClicksItsCell) {
    type(" \r");  // no cursor yet, nothing to click
    EXPECT_EQ(fake.calls, Calls());
    // The first arrow only shows the cursor, on the bottom-left cell; then it
    // moves a cell a press, redrawn each time, and stops at the edges.
    const struct {
        int key, presses, row, column, redraws;
    } moves[] = {{GLUT_KEY_RIGHT, 1, 0, 0, 1}, {GLUT_KEY_DOWN, 2, 0, 0, 0},
                 {GLUT_KEY_LEFT, 2, 0, 0, 0},  {GLUT_KEY_UP, 9, 6, 0, 6},
                 {GLUT_KEY_RIGHT, 9, 6, 4, 4}, {GLUT_KEY_DOWN, 2, 4, 4, 2},
                 {GLUT_KEY_LEFT, 1, 4, 3, 1}};
    for (const auto &m : moves) {
        fake.calls.clear();
        for (int i = 0; i < m.presses; ++i) onSpecialKey(m.key, 0, 0);
        EXPECT_EQ(game.cursorRow, m.row) << m.key;
        EXPECT_EQ(game.cursorColumn, m.column) << m.key;
        EXPECT_EQ(fake.count("drawPanel"), m.redraws) << m.key;
    }
    // It keeps its cell on another wall, and arrows mean nothing while a name is
    // typed; Enter clicks the cell under it.
    type("f");
    game.nameState = 1;
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    game.nameState = 0;
    game.board[Right][4][3] = game.board[Right][4][2] = Green;
    type("\r");
    EXPECT_EQ(game.points, 20);
}

TEST_F(Input, AfterAGameOverKeysTypeTheNameUntilEnter) {
    game.gameOver = 1;
    game.nameState = game.colourAid = 1;
    type("\bq\bAB\b\t\x1b\x1f\x7f\xe9");  // neither control keys nor Latin-1 go in
    EXPECT_STREQ(game.playerName, "A");   // q was a letter of the name, not a quit
    type(" ~cdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(game.playerName, "A ~cdefghijklmnopqrs");  // full at 20
    EXPECT_EQ(game.colourAid, 1);                           // and nothing written past its end
    type("\b");
    EXPECT_STREQ(game.playerName, "A ~cdefghijklmnopqr");
    EXPECT_EQ(game.nameState, 1);
    // Each key asks the view to show the name as it now stands, and nothing else.
    // (Escape is no letter: it leaves full screen, as it does in play.)
    EXPECT_EQ(fake.count("requestViewRedraw"), 37);
    EXPECT_EQ(fake.calls[7], "leaveFullScreen");
    type("\r");
    EXPECT_EQ(game.nameState, 2);
    EXPECT_EQ(fake.calls.back(), "drawView");  // stored at once, before any later key
    EXPECT_THROW(type("q"), QuitCalled);
}

}  // namespace
