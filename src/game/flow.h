// How a game moves through time and answers the player's actions. Everything
// here runs on the main thread and works on `game`.
#pragma once

// 1 when more than currentInterval ms have passed since the last tick (which
// then moves on to now), else 0.
int tickElapsed();

// The idle step, run on a timer whenever nextStepDelay says it has work:
// completes levels, builds the next row one block a tick and keeps the
// control panel drawn.
void onIdle();

// Timed steps run by every control-panel redraw: the first ends the program
// once the credits have shown long enough, the last pushes a finished row.
void checkExitTimer();
void advanceRowPush();

// The player's actions. The input handlers decide whether one may run; once
// called, an action carries out all of its steps.
void newGame();
void toggleSound();
void togglePause();
// The window has been hidden (minimised, or wholly covered): pauses a running game.
void pauseWhenHidden();
void speedUp();
void speedDown();
void selectViewSide(int side);
void toggleHighScoreView();
void startExit();
void clickBoard(int row, int column);
void skipLevel();
void toggleColourAid();
