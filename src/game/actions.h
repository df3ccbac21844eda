// The player's actions. The controls decide whether one may run in the game's
// mode; once called, an action carries out all of its steps and marks the
// windows whose picture it changed.
#pragma once

// The first game's walls, dealt before anything is shown. The random numbers
// are never seeded, so every run deals the same walls.
void dealFirstGame();
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
// F1: the help in the view, a running game paused beneath it; again (or
// Escape), the game as it was before.
void toggleHelp();
// The program ends now (q, or Exit pressed again during the credits).
void quitNow();
