// Starting a clip, declared apart from the mixer so that the game's rules can
// ask for sounds without SDL's headers.
#pragma once

// Loads a WAV clip, converts it to the device format and starts it in the
// lowest free slot. Dropped silently when all eleven slots are playing. Callers
// test game.soundOn first.
void playSound(const char *file);

// The folder that clip names such as "data/cake.wav" are read from: "" for the
// working directory, else a path ending in '/'. Set once at start-up.
extern const char *clipFolder;
