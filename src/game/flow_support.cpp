#include "game/flow_support.h"

#include "game/audio.h"
#include "game/clock.h"

void playClip(const char *file) {
    if (game.soundOn == 1) playSound(file);
}

void startWait(Millis ms, bool levelDone) {
    game.waiting = 1;
    game.waitStart = elapsedMs();
    game.waitLength = ms;
    game.levelDone = levelDone ? 1 : 0;
}
