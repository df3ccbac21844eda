#include <GL/glut.h>

#include <ctime>

#include "game/clock.h"

Millis elapsedMs() { return static_cast<Millis>(glutGet(GLUT_ELAPSED_TIME)); }

void sleepMs(int ms) {
    if (ms <= 0) return;
    timespec pause{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    nanosleep(&pause, nullptr);
}
