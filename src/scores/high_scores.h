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

// Places newScore under game.playerName, draws the table with the name prompt
// and, once game.nameState is 2, saves it.
void recordScore(int newScore);

// Draws the high-score screen into the view window: the ten lines, the one at
// `highlight` (or none, for -1) in red, and the praise and name prompt when
// `prompt` is non-zero.
void drawScoreScreen(const HighScoreEntry table[kScorePlaces], int highlight, int prompt);
