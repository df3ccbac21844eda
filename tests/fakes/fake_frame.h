// Recording fakes of the routines that draw, play sound, end the program or
// read the clock, so the game's rules run in a test without a window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scores/high_scores.h"

struct FakeFrame {
    // One entry a call: "drawPanel", "drawView", "showCredits", "drawScoreScreen",
    // "requestViewRedraw", "playSound data/woohoo.wav".
    std::vector<std::string> calls;
    Millis now = 0, slept = 0;  // the clock; sleepMs moves it on
    int frames = 0;             // panel frames drawn, not held (see holdPanelFrame)
    // The last screen drawScoreScreen was given.
    HighScoreEntry table[kScorePlaces] = {};
    std::string note;  // "" when none

    int count(const std::string &call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

extern FakeFrame fake;
using Calls = std::vector<std::string>;

struct QuitCalled {};  // thrown by the fake quitGame, which must not return

// Puts `game` and the fakes back to a fresh start, the buttons where the
// control panel draws them.
void resetWorld();

// A fresh world in a scratch working directory, so "scores.dat" stays there.
class World : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string home, dir;
};
