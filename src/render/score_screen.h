#pragma once

#include "game/game_state.h"
#include "render/canvas.h"

// One frame of the high-score screen in the view: the ten lines, the one at
// the screen's highlight in red, and below them the praise and name prompt
// when `prompt` is set, else the screen's note when there is one (how the
// save of the name went).
void drawScoreScreen(Canvas &canvas, const WindowLayout &layout, const ScoreScreen &screen,
                     bool prompt);
