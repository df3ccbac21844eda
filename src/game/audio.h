// The sound the game asks for: clips started by name, mixed by the platform's
// sound device.
#pragma once

// Starts the clip `file` (such as "data/cake.wav", in the game's data folder)
// in the lowest free of eleven slots; dropped when all eleven are playing.
// A clip that cannot be played says why on standard error and the game goes
// on. Callers test game.soundOn first.
void playSound(const char *file);
