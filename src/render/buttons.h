// The control panel's bevelled push buttons.
#pragma once

#include "game/panel_layout.h"
#include "render/canvas.h"

// A button's black rim, grey face and bevel, 83 by 23 pixels from its place's
// bottom-left corner. A pressed button shows its face and bevel one pixel
// right and one down; the rim stays where it is.
void drawButton(Canvas &canvas, const ButtonPlace &place, bool pressed);

// A label in black, centred on the button's face (one pixel right and down
// when pressed).
void drawButtonLabel(Canvas &canvas, const ButtonPlace &place, const char *label, bool pressed);
