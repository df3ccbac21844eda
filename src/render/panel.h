#pragma once

#include "render/canvas.h"

// One frame of the whole control panel, as the game's state shows it.
void drawPanel(Canvas &canvas, const WindowLayout &layout);
