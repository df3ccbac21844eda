// The game clock. Every rule that depends on time reads it through here, so
// tests can run the game on a clock of their own.
#pragma once

#include "game/types.h"

// Milliseconds since the window system was initialised.
Millis elapsedMs();
