#pragma once

#include "game/game_state.h"

// Draws the high-score screen into the view window: the ten lines, the one at
// the screen's highlight in red, and below them the praise and name prompt
// when `prompt` is set, else the screen's note when there is one (how the
// save of the name went).
void drawScoreScreen(const ScoreScreen &screen, bool prompt);
