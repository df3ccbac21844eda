// The game's own command-line options. Everything else on the command line is
// left for GLUT.
#pragma once

// Takes --colour-aid out of the arguments, wherever it stands, and starts the
// game with the colour aid on. The arguments left keep their order and the
// list stays null-terminated.
void takeColourAidOption(int *argc, char **argv);
