// Small services shared by the game's step and the player's actions.
#pragma once

#include "game/game_state.h"

// The tick interval never drops below this, whatever the level or the speed.
constexpr int kFastestInterval = 500;
// A finished row waits a little more than this before it is pushed.
constexpr Millis kRowPushDelayMs = 400;
// The credits show a little longer than this before the program ends.
constexpr int kCreditsMs = 10000;

// Starts `file` only while the player has sound switched on: a clip is asked
// for at the place where it happens, never queued for later.
void playClip(const char *file);

// Holds the game still for `ms` from now: nothing is built, pushed or timed,
// and the player's events wait until it ends, while the clip just started
// plays on. With `levelDone` it ends by dealing the next level.
void startWait(Millis ms, bool levelDone);

// The wall after `side`: Left, Top, Right, Bottom, then Left again.
inline int nextSide(int side) { return (side + 1) % kSides; }
