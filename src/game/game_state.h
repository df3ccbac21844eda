// The one record of everything the game knows. There is exactly one instance,
// `game`, with its defaults in place before main() runs; every module reads and
// writes its fields directly.
#pragma once

#include <string>

#include "game/panel_layout.h"
#include "game/types.h"
#include "scores/high_scores.h"

using Walls = int[kSides][kRows][kColumns];

// What the game is doing. Each mode says which actions it takes and what the
// two windows show; the controls read as "in mode X, key Y does Z".
enum class Mode : int {
    Playing,     // ticks build the next row and finished rows are pushed
    Paused,      // nothing is built; board clicks and wall changes are refused
    HighScores,  // the table in the view, over a game paused beneath it
    Help,        // the controls in the view (F1), over a game paused beneath it
    GameOver,    // a row found its wall full: the tunnel keeps the last blocks
    NameEntry,   // a game over whose score earns a place: keys type the name
    ScoreSaved,  // the name is in: the table says how its save went
    OverScores,  // the table in the view after a game over
    Credits,     // Exit: the credits show until the program ends
    Ending,      // the program ends now
};

// The game's clock runs, but nothing is built: Pause shows pressed in.
inline bool isPaused(Mode m) {
    return m == Mode::Paused || m == Mode::HighScores || m == Mode::Help || m == Mode::OverScores;
}
// No game is in play: the panel shows "Game Over" and no flat grid.
inline bool isOver(Mode m) { return m >= Mode::GameOver; }
// The Scores button's view is up (the speed buttons are refused then).
inline bool showsScores(Mode m) { return m == Mode::HighScores || m == Mode::OverScores; }
// Exit has been pressed: the buttons are inert but Exit itself.
inline bool isLeaving(Mode m) { return m == Mode::Credits || m == Mode::Ending; }

// What must be drawn again: an action marks the windows whose picture it
// changed, and the window layer draws each marked one at its next frame.
enum Mark : unsigned { MarkPanel = 1, MarkView = 2, MarkBoth = 3 };

// The table the view shows: the one read from the file, or, after a game
// over, the one the final score enters (`highlight` its place), and how the
// save of the name went.
struct ScoreScreen {
    HighScoreEntry table[kScorePlaces] = {};
    int highlight = -1;  // the place shown in red, -1 for none
    std::string note;    // the line in the prompt's place, "" for none
};

struct GameState {
    // Board and row building.
    Walls board = {};
    int nextRow[kColumns] = {};
    int nextIndex = 0;
    Flag rowReady = 0;
    Millis rowReadyTime = 0;
    int pushSide = Left;
    int viewSide = Left;
    int removedCount = 0;
    // The walls as the last game ended: its board is emptied then, but the
    // tunnel keeps showing the blocks that ended it until a new one starts.
    Walls lastBoard = {};

    // Progress.
    int level = 1;
    int rowsLeft = 15;
    int points = 0;

    // Timing.
    int baseInterval = 1000;
    int currentInterval = baseInterval;
    Millis lastTick = 0;
    // A wait (the end of a level, the start of a new game) holds the game
    // still for waitLength ms from waitStart: nothing is built or pushed, and
    // the player's events are handled when it ends. `levelDone`: the wait ends
    // by dealing the next level.
    Flag waiting = 0;
    Millis waitStart = 0;
    Millis waitLength = 0;
    Flag levelDone = 0;

    // Modes and settings.
    Mode mode = Mode::Playing;
    Mode helpFrom = Mode::Playing;  // what the help goes back to: running, or paused
    int creditsStart = 0;
    Flag soundOn = 1;
    Flag colourAid = 0;  // 1: every block also shows its colour's shape
    char playerName[kNameLength + 1] = "";
    ScoreScreen scores;  // what the view shows of the table
    // The keyboard's cell of the flat grid, shown from the first arrow key on.
    Flag cursorShown = 0;
    int cursorRow = 0;
    int cursorColumn = 0;
    // The buttons that show pressed: held down by the mouse, by ButtonId.
    Flag pressed[kButtons] = {};

    // The windows to draw again (Mark bits).
    unsigned marks = 0;
};

extern GameState game;

// Marks windows to be drawn again.
inline void mark(unsigned marks) { game.marks |= marks; }

// The walls the tunnel shows: the game's own, or after a game over the last
// ones it had.
const Walls &shownWalls();

// The label shown for a side ("Left", "Top", "Right", "Bottom"), or nullptr for a
// value outside 0 to 3.
const char *sideName(int side);
