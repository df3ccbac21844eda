// The controls, from the game's own events: the guards of each button and key
// in each mode, the flat grid, the keyboard's cursor, the name entry, and the
// window's point under the pointer at any window size.
#include <cmath>
#include <tuple>

#include "fakes/fake_platform.h"
#include "game/controls.h"
#include "game/flow.h"
#include "game/score_keeping.h"
#include "render/window_layout.h"

namespace {

using Input = World;  // the table and the name entry read and write scores.dat

void click(int px, int py) {
    handleEvent(Event::press(px, py));
    handleEvent(Event::release(px, py));
}

void type(const std::string &keys) {
    for (char key : keys) handleEvent(Event::typed(static_cast<unsigned char>(key)));
}

// The fields that the actions behind the buttons and keys change.
auto watched() {
    return std::make_tuple(game.soundOn, game.mode, game.currentInterval, game.viewSide,
                           game.points, game.rowsLeft, game.colourAid, game.waiting);
}

// What a click or key (or the window hidden) did: 'A' its action ran, '-'
// nothing the game shows changed beyond the buttons, 'Q' the program ends.
char outcome(const Event &event) {
    const auto before = watched();
    game.marks = 0;
    if (event.kind == Event::Release) handleEvent(Event::press(event.x, event.y));
    handleEvent(event);
    if (game.mode == Mode::Ending) return 'Q';
    return watched() != before || (game.marks & MarkView) != 0 ? 'A' : '-';
}

TEST_F(Input, EachModeRefusesItsOwnButtonsAndKeys) {
    // New Game, Sound, the scores, Pause, Speed +, Speed -, Left, Top, Right,
    // Bottom, Exit, a pair of blocks on the grid, then the keys: the walls' and
    // n, the buttons' (Ctrl+N, m, h, p, +, -, x) and Space and Enter on the
    // cursor's cell, which each do what their button or the click does, c, a
    // capital, q; last, the window hidden, which pauses only a running game.
    const Event events[] = {
        Event::release(60, 540), Event::release(60, 510),    Event::release(60, 570),
        Event::release(60, 480), Event::release(40, 450),    Event::release(120, 450),
        Event::release(40, 280), Event::release(80, 310),    Event::release(120, 280),
        Event::release(80, 250), Event::release(60, 420),    Event::release(15, 5),
        Event::typed('s'),       Event::typed('e'),          Event::typed('f'),
        Event::typed('d'),       Event::typed('n'),          Event::pressed(Key::CtrlN),
        Event::typed('m'),       Event::typed('h'),          Event::typed('p'),
        Event::typed('+'),       Event::typed('-'),          Event::typed('x'),
        Event::typed(' '),       Event::pressed(Key::Enter), Event::typed('c'),
        Event::typed('D'),       Event::typed('q'),          Event::hidden()};
    const struct {
        Mode mode;
        const char *outcomes;
    } modes[] = {{Mode::Playing, "AAAAAAAAAAAAAAAAAAAAAAAAAAA-QA"},
                 {Mode::Paused, "AAAAAA----A-----AAAAAAAA--A-Q-"},
                 {Mode::HighScores, "AAA-------A-----AAAA---A--A-Q-"},
                 {Mode::GameOver, "AAA-AAAAAAA-AAAAAAAA-AAA--A-Q-"},
                 {Mode::NameEntry, "AA--AAAAAAA-AAAAA-AAAAAAAAAAA-"},
                 {Mode::Help, "----------------------------Q-"},
                 {Mode::Credits, "----------Q-AAAAA------Q--A-Q-"}};
    for (const auto &m : modes) {
        std::string outcomes;
        for (const Event &e : events) {
            resetWorld();
            game.mode = m.mode;
            game.viewSide = e.y == 250 || e.character == 'd' ? Top : Bottom;  // a change
            game.board[game.viewSide][0][0] = game.board[game.viewSide][0][1] = Red;
            game.cursorShown = 1;       // on that pair
            game.scores.highlight = 0;  // the name entry's place
            outcomes += outcome(e);
        }
        EXPECT_EQ(outcomes, m.outcomes) << static_cast<int>(m.mode);
    }
}

TEST_F(Input, AReleaseOnTheGridClicksTheCellUnderIt) {
    // On a wall of stripes the group removed tells where the click landed; the
    // last two are beyond the window's edges, where a held button is followed.
    const struct {
        int px, py;
        bool columns;                     // vertical stripes, else horizontal ones
        int points, row, column, colour;  // and what that cell holds afterwards
    } cases[] = {{10, 0, true, 70, 0, 0, Empty},  {159, 209, true, 70, 0, 4, Empty},
                 {10, 0, false, 50, 0, 0, Green}, {159, 209, false, 50, 5, 0, Green},
                 {9, 5, true, 0, 0, 0, Red},      {160, 209, true, 0, 0, 4, Red},
                 {159, 210, true, 0, 6, 4, Red},  {-40, -100, true, 0, 0, 0, Red},
                 {900, 800, true, 0, 6, 4, Red}};
    for (const auto &c : cases) {
        resetWorld();
        game.viewSide = Right;
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kColumns; ++col)
                game.board[Right][row][col] = (c.columns ? col : row) % 2 ? Green : Red;
        for (auto &row : game.board[Bottom])   // the next wall in memory: nothing to
            for (int &cell : row) cell = Red;  // find there by a click beside the grid
        handleEvent(Event::release(c.px, c.py));
        const std::string at = std::to_string(c.px) + "," + std::to_string(c.py);
        EXPECT_EQ(game.points, c.points) << at;
        EXPECT_EQ(game.board[Right][c.row][c.column], c.colour) << at;
    }
    // A button pressed and released on another acts for where it was
    // released; the one pressed keeps its look until a later hit test misses
    // it. The right button presses and clicks nothing.
    handleEvent(Event::press(60, 420));
    EXPECT_EQ(game.pressed[ExitButton], 1);
    handleEvent(Event::release(60, 510));
    EXPECT_EQ(std::make_pair(game.soundOn, game.pressed[ExitButton]),
              std::make_pair(Flag(0), Flag(1)));
    handleEvent(Event::press(60, 510, false));
    handleEvent(Event::release(60, 510, false));
    EXPECT_EQ(std::make_pair(game.soundOn, game.pressed[SoundButton]),
              std::make_pair(Flag(0), Flag(0)));
    click(15, 5);
    EXPECT_EQ(game.pressed[ExitButton], 0);
}

// The picture is scaled to the window and centred: a window pixel maps back to
// the picture point drawn there, at any size; the margins hold nothing, and
// beyond the window's edges (a button held outside it) the mapping goes on.
TEST(Layout, AWindowPixelMapsToThePicturePointDrawnThere) {
    const struct {
        int width, height, x, y;
        bool inPicture;
        int px, py;
    } cases[] = {{800, 600, 25, 595, true, 25, 5},      {800, 600, 159, 390, true, 159, 210},
                 {1600, 1200, 51, 1190, true, 25, 5},   {1000, 600, 125, 595, true, 25, 5},
                 {1000, 600, 99, 300, false, 0, 0},     {1000, 600, 900, 300, false, 0, 0},
                 {1000, 600, 0, 300, false, 0, 0},      {1200, 700, 157, 695, true, 20, 5},
                 {800, 600, -40, 700, true, -40, -100}, {1000, 600, -1, 300, true, -101, 300}};
    for (const auto &c : cases) {
        int px = 0, py = 0;
        const bool mapped = picturePointAt(layoutFor(c.width, c.height), c.x, c.y, px, py);
        const std::string at =
            std::to_string(c.x) + "," + std::to_string(c.y) + " in " + std::to_string(c.width);
        EXPECT_EQ(mapped, c.inPicture) << at;
        if (mapped) {
            EXPECT_EQ(std::make_pair(px, py), std::make_pair(c.px, c.py)) << at;
        }
    }
}

// A wait (a level's end, a new game's first second) holds what the player does
// until it is over, but q ends the game at once, after what came before it;
// however many events come, the step keeps one time to wake at.
TEST_F(Input, EventsDuringAWaitAreHeldButQQuitsAtOnce) {
    fake.now = game.lastTick = 1000;
    handleEvent(Event::pressed(Key::CtrlN));
    ASSERT_EQ(game.waiting, 1);
    for (int i = 0; i < 1000; ++i) {
        click(15 + i % 150, i % 210);
        type("c");
    }
    EXPECT_EQ(game.points, 0);
    EXPECT_EQ(nextStepDelay(), 1000);
    type("mq");
    EXPECT_EQ(game.mode, Mode::Ending);
    EXPECT_EQ(game.soundOn, 0);  // m was handled before q ended the game
}

// F1 shows the help over a running or paused game, paused meanwhile; F1 or
// Escape gives back the game as it was. Elsewhere the view is not the tunnel's.
TEST_F(Input, TheHelpPausesTheGameAndGivesItBackAsItWas) {
    for (Mode before : {Mode::Playing, Mode::Paused, Mode::GameOver}) {
        for (Key close : {Key::F1, Key::Escape}) {
            game.mode = before;
            handleEvent(Event::pressed(Key::F1));
            EXPECT_EQ(game.mode, before == Mode::GameOver ? before : Mode::Help);
            EXPECT_TRUE(isPaused(game.mode) || before == Mode::GameOver);
            handleEvent(Event::pressed(close));
            EXPECT_EQ(game.mode, before);
        }
    }
}

TEST_F(Input, ArrowsMoveTheCursorWithinTheGridAndSpaceClicksItsCell) {
    type(" ");
    handleEvent(Event::pressed(Key::Enter));  // no cursor yet, nothing to click
    EXPECT_EQ(game.marks, 0u);
    // The first arrow only shows the cursor, on the bottom-left cell; then it
    // moves a cell a press and stops at the edges.
    const struct {
        Key key;
        int presses, row, column;
    } moves[] = {{Key::Right, 1, 0, 0}, {Key::Down, 2, 0, 0},  {Key::Left, 2, 0, 0},
                 {Key::Up, 9, 6, 0},    {Key::Right, 9, 6, 4}, {Key::Down, 2, 4, 4},
                 {Key::Left, 1, 4, 3}};
    for (const auto &m : moves) {
        for (int i = 0; i < m.presses; ++i) handleEvent(Event::pressed(m.key));
        EXPECT_EQ(std::make_pair(game.cursorRow, game.cursorColumn),
                  std::make_pair(m.row, m.column));
    }
    EXPECT_EQ(game.marks, MarkPanel);
    // It keeps its cell on another wall, and arrows mean nothing while a name is
    // typed; Enter clicks the cell under it.
    type("f");
    game.mode = Mode::NameEntry;
    handleEvent(Event::pressed(Key::Up));
    game.mode = Mode::Playing;
    game.board[Right][4][3] = game.board[Right][4][2] = Green;
    handleEvent(Event::pressed(Key::Enter));
    EXPECT_EQ(game.points, 20);
}

TEST_F(Input, AfterAGameOverKeysTypeTheNameUntilEnter) {
    game.mode = Mode::NameEntry;
    game.colourAid = 1;
    game.scores.highlight = 9;
    const Event backspace = Event::pressed(Key::Backspace);
    for (const Event &e :
         {backspace, Event::typed('q'), backspace, Event::typed('A'), Event::typed('B'), backspace,
          Event::pressed(Key::Escape), Event::pressed(Key::CtrlN)})
        handleEvent(e);
    type("\t\x1f\x7f\xe9");              // neither control keys nor Latin-1 go in
    EXPECT_STREQ(game.playerName, "A");  // q was a letter of the name, not a quit
    type(" ~cdefghijklmnopqrstuvwxyz");
    EXPECT_STREQ(game.playerName, "A ~cdefghijklmnopqrs");  // full at 20
    EXPECT_EQ(game.colourAid, 1);                           // and nothing written past its end
    handleEvent(backspace);
    // The view shows the name in the table as it is typed.
    EXPECT_STREQ(game.scores.table[9].name, "A ~cdefghijklmnopqr ");
    EXPECT_EQ(fake.calls, Calls({"leaveFullScreen"}));  // Escape is no letter
    handleEvent(Event::pressed(Key::Enter));            // saved (see the high-score tests)
    type("q");
    EXPECT_EQ(game.mode, Mode::Ending);
}

}  // namespace
