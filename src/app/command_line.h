// The program's own options, handled before anything opens a window; every
// other argument is left to GLUT as it always was.
#pragma once

#include <cstdio>

// Looks for the game's own options in `argv` and carries out the first one
// found, printing on `out`. Returns the exit status when the program should
// stop there, or -1 when the game should start.
int handleOptions(int argc, char **argv, std::FILE *out);

// Takes the game's own settings (--colour-aid, which starts with the colour aid
// on) out of the arguments, wherever they stand. The arguments left, GLUT's,
// keep their order and the list stays null-terminated.
void takeGameOptions(int *argc, char **argv);
