// The ten best scores, kept in "scores.dat" in the working directory.
#pragma once

#include "game/game_state.h"

constexpr int kScorePlaces = 10;

struct HighScoreEntry {
    char name[kNameLength + 1];
    int score;
};

// Creates "scores.dat" with the default table and copies it into `table`.
void writeDefaultScores(HighScoreEntry table[kScorePlaces]);

// Reads the table and draws it in the view window.
void showHighScores();

// Places newScore under game.playerName and draws the table with the name
// prompt; once game.nameState is 2, saves it instead and draws the table with
// a line saying whether the save worked.
void recordScore(int newScore);

// recordScore for the final score of a game whose game-over step has already
// had its clip: the same in every way, except that a score too low for the
// table plays nothing, so that one game over never plays two clips. Returns 1
// when it drew the screen, 0 when the score earns no place (nothing drawn, and
// the caller has the window to itself).
int recordFinalScore(int newScore);

// 1 when newScore would take a place in the table as it is now, else 0.
int scoreEarnsPlace(int newScore);

// Draws the high-score screen into the view window: the ten lines, the one at
// `highlight` (or none, for -1) in red, and below them the praise and name
// prompt when `prompt` is non-zero, else the one line `note` when there is one
// (how the save of the name went).
void drawScoreScreen(const HighScoreEntry table[kScorePlaces], int highlight, int prompt,
                     const char *note);

// The screen line of `entry` at `place` (1 to 10) into nbuf: the place in two
// columns, a full stop, the name, an arrow and the score in six columns.
constexpr int kScoreLineSize = 128;
void formatScoreLine(char nbuf[kScoreLineSize], int place, const HighScoreEntry &entry);
