// The program's own options, handled before anything opens a window; every
// other argument is left to GLUT as it always was.
#pragma once

#include <cstdio>

// Looks for the game's own options in `argv` and carries out the first one
// found, printing on `out`. Returns the exit status when the program should
// stop there, or -1 when the game should start.
int handleOptions(int argc, char **argv, std::FILE *out);
