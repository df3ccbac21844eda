#pragma once

// The tunnel's cubes' edge, and how far before the tunnel's mouth (z = 0) the
// eye looks down it.
constexpr float kCubeEdge = 0.3f;
constexpr float kEyeDistance = 1.5f;

// Draws the view window as the game's mode has it: the credits while the
// program ends, the high-score table while it is up, else the tunnel.
void drawView();

// The tunnel's outline: the far square and the fading corner edges.
void drawBackdrop();

// Every block of the four walls as a cube with solid edges and translucent faces.
void drawBoard3D();

// The centre of the cube of a block (out: x, y, z in the tunnel's coordinates).
void blockCentre(int side, int row, int col, float out[3]);
