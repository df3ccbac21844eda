// The five rules that change the blocks of the tunnel. They work on `game` and
// never draw, play sounds or touch any other field than the ones named here.
#pragma once

// Empties every cell of the board, then every cell of nextRow.
void clearBoard();

// Fills rows 0 to rows-1 of every wall with random colours: 1 to 4 when
// fourColours is non-zero, else 1 to 3. One rand() value per cell, side
// outermost, column innermost. The caller empties the board first.
void fillBoard(int fourColours, int rows);

// Lets the blocks of each column of `side` slide toward row 0, keeping their
// order; the empty cells gather at the mouth.
void collapseSide(int side);

// Empties the group of `colour` blocks joined to (row, column) on `side` and
// adds its size to game.removedCount. A block with no neighbour of its colour is
// left alone. The caller zeroes removedCount first and collapses the side after.
void removeGroup(int side, int row, int column, int colour);

// Pushes nextRow into row 6 of game.pushSide and collapses that side. Returns 1
// without changing anything when row 6 is occupied (the wall is full), else 0.
int pushNextRow();
