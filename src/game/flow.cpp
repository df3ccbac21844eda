// PLACEHOLDER until the game flow exists.
#include "game/flow.h"

#include "game/clock.h"
#include "render/panel.h"

int tickElapsed() { return 0; }
void onIdle() { sleepMs(16); }
void checkExitTimer() {}
void advanceRowPush() {}
void newGame() {}
void toggleSound() {}
void togglePause() {}
void speedUp() {}
void speedDown() {}
void selectViewSide(int) {}
void toggleHighScoreView() {}
void startExit() {}
void clickBoard(int, int) {}
void skipLevel() {}
