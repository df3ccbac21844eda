// The one record of everything the game knows. There is exactly one instance,
// `game`, with its defaults in place before main() runs; every module reads and
// writes its fields directly.
#pragma once

#include <cstdint>

// A wall of the tunnel. The game always moves on to the next wall in the order
// Left, Top, Right, Bottom, Left, ...
enum Side : int { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// The content of one block cell.
enum Colour : int { Empty = 0, Red = 1, Green = 2, Blue = 3, LightBlue = 4 };

constexpr int kSides = 4;
constexpr int kRows = 7;     // row 0 is the far end of the tunnel, row 6 its mouth
constexpr int kColumns = 5;  // column 0 is at the left of the flat grid
constexpr int kNameLength = 20;

// Flags are one byte holding 0 or 1 and are tested against 1.
using Flag = unsigned char;
// Times are milliseconds from the game clock, compared by unsigned difference.
using Millis = std::uint32_t;

using Walls = int[kSides][kRows][kColumns];

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
    // tunnel keeps showing the blocks that ended it until a new game starts.
    Walls lastBoard = {};

    // Progress.
    int level = 1;
    int rowsLeft = 15;
    int points = 0;

    // Timing.
    int baseInterval = 1000;
    int currentInterval = baseInterval;
    Millis lastTick = 0;

    // Modes.
    Flag soundOn = 1;
    Flag paused = 0;
    Flag gameOver = 0;
    int highScoreView = 0;
    int exitState = 0;  // 0 playing, 1 credits showing, 2 end at the next panel redraw
    int creditsStart = 0;
    int nameState = 0;  // 0 no name entry, 1 typing, 2 name entered
    char playerName[kNameLength + 1] = "";
    Flag colourAid = 0;  // 1: every block also shows its colour's shape
    // The keyboard's cell of the flat grid, shown from the first arrow key on.
    Flag cursorShown = 0;
    int cursorRow = 0;
    int cursorColumn = 0;

    // Display handles.
    int windowWidth = 800;
    int windowHeight = 600;
    int mainWindow = 0;
    int viewWindow = 0;
    unsigned int redTexture = 0;
    unsigned int greenTexture = 0;
    unsigned int blueTexture = 0;
    unsigned int lightBlueTexture = 0;
};

extern GameState game;

// The walls the tunnel shows: the game's own, or after a game over the last
// ones it had.
const Walls &shownWalls();

// The label shown for a side ("Left", "Top", "Right", "Bottom"), or nullptr for a
// value outside 0 to 3.
const char *sideName(int side);
