// The game's sound in a browser: its own mixer fills the browser's audio.
#pragma once

// Starts the browser's audio at the player's first click or key (browsers let
// a page make sound only from then on); later calls do nothing.
void startAudio();

// Stops it, when the game ends.
void stopAudio();
