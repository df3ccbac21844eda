// The command line, read before anything opens a window or touches the disk:
// the game's own options and GLUT's X options, from one table that --help
// lists, the reader follows and the manual page's OPTIONS repeat.
#pragma once

#include <cstdio>

// What readCommandLine returns when the game should start.
constexpr int kStartGame = -1;

// Carries out the options in `argv` in order. The game's own settings (such as
// --colour-aid) are applied and taken out; GLUT's options stay, with their
// values and in their order, for glutInit, and the list stays null-terminated.
// --help and --version print on `out` and return 0, or 1 with a message on
// `err` when that output cannot be written. An option that neither knows, a
// missing value, a value given to an option that takes none, or an argument
// that is no option at all is named on `err` with a hint to --help, and
// returns 2 with `argv` as it was.
int readCommandLine(int *argc, char **argv, std::FILE *out, std::FILE *err);
