#pragma once

#include "render/canvas.h"

// One frame of the help in the view: how the game is played, and every
// control, as --help lists them.
void drawHelpScreen(Canvas &canvas, const WindowLayout &layout);
