// The colour aid: for players who cannot tell the block colours apart, every
// block also carries a small dark shape that stands for its colour, drawn over
// it after the blocks themselves.
#pragma once

// Shapes on the occupied cells of the flat grid of the wall in view.
void drawColourAidGrid();

// Shapes on the front faces of the tunnel's cubes, where they are not hidden
// behind nearer cubes. Draws into the view window with its matrices as left by
// the tunnel's blocks.
void drawColourAidCubes();
