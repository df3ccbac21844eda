// The facts of the running process that decide where the game's files are.
#pragma once

// Gathers them (the working directory's textures, the program's own path, the
// environment, the player's home), applies the rules of app/paths.h and makes
// the chosen folders the game's.
void findGameFiles();
