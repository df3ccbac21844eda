// Recording fakes of what the game asks of its platform (the clock, sound
// clips, the window), so the game's rules run in a test without a window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/game_state.h"

struct FakePlatform {
    // One entry a request: "playSound data/woohoo.wav", "toggleFullScreen",
    // "leaveFullScreen".
    std::vector<std::string> calls;
    Millis now = 0;  // the clock

    int count(const std::string &call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
};

extern FakePlatform fake;
using Calls = std::vector<std::string>;

// Puts `game` and the fakes back to a fresh start.
void resetWorld();

// A fresh world in a scratch working directory, so "scores.dat" stays there.
class World : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string home, dir;
};
