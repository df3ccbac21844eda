// The game's sound clips, read from the data folder and started in a mixer:
// the same on every platform, whose sound device only runs the mixer.
#pragma once

#include "assets/mixer.h"

// Reads the clip `name` (in the data folder) and converts it to the device
// format. Returns true with the clip, or false after printing why it cannot be
// played ("Couldn't load PATH: why").
bool loadClip(const char *name, Clip &clip);

// Starts the clip `name` in `mixer`. Clips are read afresh on every play; when
// eleven already play, the new one is dropped without being read.
void startClip(Mixer &mixer, const char *name);
