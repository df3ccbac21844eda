#include "game/flow_support.h"

#include "game/clock.h"
#include "game/pacing.h"

void playClip(const char *file) {
    if (game.soundOn == 1) playSound(file);
}

void waitMs(Millis ms) {
    // A few milliseconds of nap keep the wait accurate enough for a pause the
    // player sees, without burning a core.
    constexpr int kNapMs = 5;
    drawHeldPanel(true);  // the picture the wait holds up is the latest one
    const Millis start = elapsedMs();
    while (elapsedMs() - start < ms) sleepMs(kNapMs);
}
