// Recording fakes of the routines that draw, play sound, end the program or
// read the clock, so the game's rules run in a test without a window.
#pragma once

#include <string>
#include <vector>

#include "game/game_state.h"
#include "scores/high_scores.h"

struct FakeFrame {
    // One entry a call: "drawPanel", "drawView", "showCredits", "drawScoreScreen",
    // "requestViewRedraw", "quitGame", "playSound data/woohoo.wav".
    std::vector<std::string> calls;
    Millis now = 0;          // what the clock reads
    Millis stepPerRead = 0;  // how far the clock moves on after each reading
    Millis slept = 0;        // total asked of sleepMs

    // The last screen drawScoreScreen was given.
    HighScoreEntry lastTable[kScorePlaces] = {};
    int lastHighlight = -2;
    int lastPrompt = -1;

    int count(const std::string &call) const;
    void clear() { calls.clear(); }
};

extern FakeFrame fake;

// Thrown by the fake quitGame, which must not return.
struct QuitCalled {};

// Puts `game`, the buttons and the fakes back to a fresh start.
void resetWorld();

// Gives ten buttons the rectangles Button::draw records for them on the
// control panel; highScoresButton keeps its zero rectangle, so it answers only
// at the panel point (0, 0).
void placeButtons();

// Moves the test into a fresh scratch directory, so that code reading or writing
// files of the working directory ("scores.dat") leaves the build tree alone, and
// back again, removing the directory and what the test left in it.
void enterScratchDir();
void leaveScratchDir();
