// The colour aid: for players who cannot tell the block colours apart, every
// block also carries a shape that stands for its colour, dark inside a light
// rim so that it reads on every block colour, in colour and in grey: in the flat
// grid, on every face of the tunnel's cubes that the player sees and on the row
// preview's cubes.
#pragma once

#include "render/canvas.h"

// Shapes on the occupied cells of the flat grid of the wall in view.
void drawColourAidGrid(Canvas &canvas);

// The shape of a block value on the three faces of a row preview cube of edge
// `size` that are turned toward the player (left, top, front), in the cube's
// own coordinates, with the colours' own colours (no texture).
void drawPreviewShapes(Canvas &canvas, int colour, float size);

// The shape of the tunnel block at (side, row, col) on each face of its cube
// that is turned toward the eye and touches no other block of its wall. Drawn
// right after its cube and with its matrix: the nearer cubes, drawn later, lay
// their translucent faces over the shape as they do over the cube.
void drawCubeShapes(Canvas &canvas, int side, int row, int col);
