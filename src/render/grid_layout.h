// Where the control panel draws the flat grid of the wall in view, and so where
// a click lands on it: kColumns by kRows cells of kGridCell pixels from the
// panel point (kGridLeft, 0), row 0 at the bottom.
#pragma once

#include "game/game_state.h"

constexpr int kGridLeft = 10;
constexpr int kGridCell = 30;
constexpr int kGridRight = kGridLeft + kColumns * kGridCell;
constexpr int kGridTop = kRows * kGridCell;
