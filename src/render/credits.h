#pragma once

#include "render/canvas.h"

// One frame of the credits in the view.
void drawCredits(Canvas &canvas, const WindowLayout &layout);
