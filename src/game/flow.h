// How a game moves through time. The window layer runs the game's step when
// nextStepDelay says it has work, and after the events that come meanwhile;
// the step never draws, it marks what must be drawn again.
#pragma once

// 1 when more than currentInterval ms have passed since the last tick (which
// then moves on to now), else 0.
int tickElapsed();

// The game's step: ends a wait once it is over (dealing the next level when a
// level ended, then handling the events that came during it), completes a
// level whose quota is used up, builds the next row one block a tick, ends the
// credits once they have shown long enough and pushes a finished row.
void stepGame();

// Milliseconds until the step has work, 0 for at once, or -1 when only an
// event can give it any, so that a paused or finished game sleeps instead of
// looking for work.
int nextStepDelay();

// The two timed steps, in this order at the end of every step: the first ends
// the program once the credits have shown long enough, the last pushes a row
// finished more than 400 ms ago.
void checkExitTimer();
void advanceRowPush();
