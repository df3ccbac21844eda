// Small services shared by the idle step and the player's actions.
#pragma once

#include "assets/play_sound.h"
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

// Holds the main thread until the game clock has moved on by `ms`, giving the
// processor away in short naps. Nothing is drawn and no event is handled
// meanwhile; a clip just started plays on in the audio thread.
void waitMs(Millis ms);

// The wall after `side`: Left, Top, Right, Bottom, then Left again.
inline int nextSide(int side) { return (side + 1) % kSides; }
