// The start-up sequence, split so that tools measuring the drawing can build
// the same windows without the rest of the program.
#pragma once

// Gives large blocks of memory mappings of their own, so that they go back to
// the system when freed. Call it first: it changes what every such block
// costs, the renderer's included, so tools timing the drawing call it too.
void setUpHeap();

// Opens the sound device in the game's format and starts playback; without a
// device the game runs silent.
void openAudio();

// Ends the program, in one line of its own, when there is no display to open
// (the one -display names among the GLUT options, else $DISPLAY).
void checkDisplay(int argc, char **argv);

// Initialises GLUT, deals the first board, creates both windows with their
// callbacks, textures and GL state. Ends the program when a texture is missing.
void createWindows(int *argc, char **argv);
