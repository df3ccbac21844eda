// Small drawing routines shared by every screen.
#pragma once

#include "render/canvas.h"

// Black, and the other colours the screens use.
constexpr Rgba kBlack = {0, 0, 0, 1};
constexpr Rgba kWhite = {1, 1, 1, 1};

// The drawing colour of a block value; anything outside 1 to 4 is white.
Rgba blockColour(int colour, float alpha);

// The label followed by the value in decimal, in black, its pen at (x, y).
void drawLabelValue(Canvas &canvas, int x, int y, const char *label, int value);

// The tunnel's cube of edge `size`, centred on the origin: its edges in the
// block value's opaque colour, then its six faces at half alpha. Neighbours
// share edges, so cubes are drawn each whole in turn: which cube's colour a
// shared edge shows depends on it.
void drawTunnelCube(Canvas &canvas, int colour, float size);

// The row preview's cube of edge `size`, centred on the origin, showing the
// picture of block value `colour` on the three faces its tilt turns toward the
// player (left, top, front).
void drawPreviewCube(Canvas &canvas, int colour, float size);
