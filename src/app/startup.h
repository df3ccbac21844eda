// The start-up sequence, split so that tools measuring the drawing can build
// the same windows without the rest of the program.
#pragma once

// Opens the sound device in the game's format and starts playback; without a
// device the game runs silent.
void openAudio();

// Initialises GLUT, deals the first board, creates both windows with their
// callbacks, textures and GL state. Ends the program when a texture is missing.
void createWindows(int *argc, char **argv);
