// Recording fakes of the routines that draw, play sound, end the program or
// read the clock, so the game's rules run in a test without a window.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_state.h"
#include "scores/high_scores.h"

struct FakeFrame {
    // One entry a call: "drawPanel", "drawView", "showCredits", "drawScoreScreen",
    // "requestViewRedraw", "playSound data/woohoo.wav".
    std::vector<std::string> calls;
    Millis now = 0;    // what the clock reads; sleepMs moves it on
    Millis slept = 0;  // total asked of sleepMs

    // The last screen drawScoreScreen was given.
    HighScoreEntry lastTable[kScorePlaces] = {};
    int lastHighlight = -2;
    int lastPrompt = -1;
    std::string lastNote;  // "" when none

    int count(const std::string &call) const;
    void clear() { calls.clear(); }
};

extern FakeFrame fake;

// Thrown by the fake quitGame, which must not return.
struct QuitCalled {};

// Puts `game`, the buttons and the fakes back to a fresh start.
void resetWorld();

// Gives ten buttons the rectangles the control panel draws them at;
// highScoresButton keeps its zero rectangle, so it answers only at (0, 0).
void placeButtons();

// A fresh world in a scratch working directory of its own, so that code reading
// or writing "scores.dat" leaves the build tree alone.
class World : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

  private:
    std::string home, dir;
};
