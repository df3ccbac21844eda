// The game's random numbers: the very sequence of the GNU C library's rand(),
// which the game never seeds, so that every run on every platform deals the
// same walls and builds the same rows.
#pragma once

// Starts the sequence anew from `seed` (as srand; the game runs from 1).
void seedRandom(unsigned seed);

// The next number, from 0 to 2^31 - 1.
int nextRandom();
