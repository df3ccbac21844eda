// The game clock. Every rule that depends on time reads it through here, so
// tests can run the game on a clock of their own.
#pragma once

#include "game/game_state.h"

// Milliseconds since the window system was initialised.
Millis elapsedMs();

// Gives the processor away for about `ms` milliseconds. Used by the blocking
// waits instead of spinning.
void sleepMs(int ms);
