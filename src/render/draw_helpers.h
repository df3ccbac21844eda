// Small drawing routines shared by every screen. They draw into whichever
// window is current and change no matrix, binding or GL capability.
#pragma once

#include "render/text.h"

// The label followed by the value in decimal, in black.
void drawLabelValue(int x, int y, const char *label, int value);

// The drawing colour of a block value; anything outside 1 to 4 is white.
void setBlockColour(int colour, float alpha);

// Compiles the tunnel's cube of edge `size` into display lists in the current
// window: for each block colour, its edges as line segments (the pixels the
// faces' outlines in polygon line mode show) in the opaque colour, and its six
// faces at half alpha.
void buildCubeLists(float size);

// The tunnel's cube in a block value's colour, edges first, centred on the
// origin. Leaves that colour at half alpha current.
void drawCube(int colour);

// The row preview's cube of edge `size`, textured on its left, top and front,
// in white so that the texture shows its own colours.
void drawTexturedCube(float size);
