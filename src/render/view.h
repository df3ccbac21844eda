#pragma once

#include "render/canvas.h"

// The tunnel's cubes' edge, and how far before the tunnel's mouth (z = 0) the
// eye looks down it.
constexpr float kCubeEdge = 0.3f;
constexpr float kEyeDistance = 1.5f;

// One frame of the view, as the game's mode has it: the credits while the
// program ends, the high-score table while it is up, else the tunnel.
void drawView(Canvas &canvas, const WindowLayout &layout);

// The centre of the cube of a block (out: x, y, z in the tunnel's coordinates).
void blockCentre(int side, int row, int col, float out[3]);

// Where a point of the view given from -1 to 1 across its box (x right, y up)
// lies in the view's picture points, for text.
float viewX(float x);
float viewY(float y);
